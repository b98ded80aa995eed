#pragma once

#include "chooserpanel.h"
#include "drives.h"
#include "mprishost.h"
#include "playerbackend.h"
#include "settingssession.h"
#include "track.h"

#include <QWidget>

#include <deque>
#include <memory>

class Configura;
class Dialogs;
class FolderList;
class HintLine;
class ListFileSession;
class MediaBrowser;
struct Mount;
class Picture;
class PictureButton;
class PlaybackSession;
class PlayerModule;
class PlaylistModel;
class PlaylistView;
class QComboBox;
class QFrame;
class QLabel;
class QListView;
class QPushButton;
class Splash;
class Visore;
struct OpenedPaths;
struct SettingsRecord;

// The main window: media browser, playlist, list-file chooser and hint line. It owns the life of the
// program: it creates the other three windows, each once, and destroys them at exit. The desktop's media
// controls reach its windows through it.
class Seleziona : public QWidget, public MprisHost {
    Q_OBJECT
public:
    // The browser starts in startFolder; settingsPath names ZEBcfg.dat; the viewer's player comes from
    // playerModule and takes playerOptions.
    Seleziona(Dialogs& dialogs, QString startFolder, QString settingsPath, PlayerModule& playerModule,
              PlayerBackend::Options playerOptions);
    ~Seleziona() override;

    // The start-up sequence: loads the other windows and the settings, then shows this window.
    void load();

    // The single instances of the other windows, created hidden the first time they are asked for.
    // The first request for the settings window reads the settings file.
    Configura& configura();
    Visore& visore();
    Splash& splash();
    PlaybackSession& playback();

    const QString& attuale() const;
    // True while a folder or a list file is being read or written, paths handed over are looked at, or
    // the settings are written at exit.
    bool isWaitingOnFiles() const;

    // Files, folders and list files handed to ZEB (absolute local paths). A list file is loaded as the
    // chooser loads one; the media files, a folder's files among them, play at once as a queue of their
    // own, or with enqueue are added to the playlist as the add button adds files, after the list file
    // given with them has loaded. The folders are read off this thread.
    void openPaths(const QStringList& paths, bool enqueue);
    // Shows and raises the window the user works in: the settings or about window while one is open, the
    // viewer while it plays, otherwise this one; and above it a box that waits for an answer.
    void raiseWindow() override;
    void askToQuit() override;
    void playPlaylist() override;
    bool canPlayPlaylist() const override;
    PlayOptions playOptions() const override;
    void setPlayOptions(const PlayOptions& options) override;
    void openFile(const QString& path) override;

Q_SIGNALS:
    // The exit was confirmed and the settings written: the program is to end, whichever of its windows was
    // up. A window that was hidden (the viewer played, the about window showed) ends nothing by closing.
    void ended();
    // What the media controls read here may have changed: the playlist, the options, the formats, whether
    // play-all can be pressed.
    void playChoicesChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildBrowser(const Drives& drives);
    void followMounts(const std::vector<Mount>& mounts);
    void buildButtons();
    void buildPlaylist();
    void buildHintStrip();
    void buildHints();
    void watchPlayIntent();
    void watchPlayChoices();
    void preparePlayer();
    void applySettings(const SettingsRecord& record);
    SettingsRecord currentSettings();
    void stopViewer();
    void connectPlayback();
    void playAll();
    void playSelectedEntry();
    void mediaFileDoubleClicked();
    void openSettings();
    void closeSettings();
    void openAbout();

    void connectListFiles();
    void openChooser(ChooserPanel::Azione azione);
    void lockForChooser(bool locked);
    void settingsSaved(SettingsSession::Outcome outcome);
    void sortOutNextPaths();
    void open(const OpenedPaths& opened, bool enqueue);
    void playFiles(const OpenedPaths& opened);
    void addSelectedFiles();
    void addToPlaylist(const std::vector<Track>& tracks);
    void removeSelectedEntry();
    void moveSelectedEntryUp();
    void moveSelectedEntryDown();
    void beginNewList();
    int selectedEntry() const;
    void selectEntry(int row);
    void showSelectedPath();

    Dialogs& m_dialogs;
    const QString m_startFolder;
    SettingsSession m_settings;
    PlaylistModel* m_playlist;
    ListFileSession* m_listFiles;
    MediaBrowser* m_browser;
    PlayerModule& m_playerModule;
    const PlayerBackend::Options m_playerOptions;
    // The exit was confirmed: the settings are being written, then the window closes.
    bool m_exiting = false;
    bool m_settingsWritten = false;
    // Paths handed over, in order; the first is being looked at.
    struct PathsToOpen {
        QStringList paths;
        bool enqueue;
    };
    std::deque<PathsToOpen> m_pathsToOpen;

    std::unique_ptr<PlaybackSession> m_playback;
    std::unique_ptr<Configura> m_configura;
    std::unique_ptr<Splash> m_splash;

    QComboBox* Drive1;
    FolderList* Dir1;
    QListView* File1;
    PictureButton* Command1;
    PictureButton* Command5;
    PictureButton* Command2;
    PictureButton* Command6;
    PictureButton* Command10;
    PictureButton* Command4;
    PictureButton* Command3;
    PictureButton* Command7;
    PictureButton* Command9;
    PictureButton* Command8;
    PlaylistView* List2;
    QPushButton* Command13;
    QFrame* frame;
    Picture* Image1;
    QLabel* aiuto;
    ChooserPanel* Frame1;
    HintLine* m_hints;
};
