#pragma once

#include "chooserpanel.h"
#include "track.h"

#include <QWidget>

class Dialogs;
class FolderList;
class HintLine;
class HintStrip;
class ListFileSession;
class MediaBrowser;
struct Mount;
class PictureButton;
class PlaylistEditor;
class PlaylistView;
class QComboBox;
class QListView;
class QPushButton;
class SettingsModel;

// The main window: media browser, playlist, list-file chooser and hint line. It shows the playlist and
// edits it through its editor, and says what the user asks of the rest of the program.
class Seleziona : public QWidget {
    Q_OBJECT
public:
    Seleziona(Dialogs& dialogs, const SettingsModel& settings, PlaylistEditor& editor,
              ListFileSession& listFiles);

    // Shows the window, its browser listing the files of the folder that match the pattern.
    void start(const QString& pattern, const QString& folder);
    void setPattern(const QString& pattern);
    // Whether the play-all button can be pressed.
    bool isPlayAllAvailable() const;
    // True while a folder of the browser or of the chooser is read, or a list file handled from the chooser.
    bool isWaitingOnFiles() const;
    // The settings are written: the window closes for good.
    void end();

Q_SIGNALS:
    void playAllClicked();
    void newListClicked();
    // The selected entry of the playlist is to play.
    void entryToPlay();
    // A double-click on a media file plays it, as the settings say.
    void mediaFileToPlay(const Track& track);
    // The user may be about to play: the pointer or the focus came to play-all or the playlist, or a
    // media file was picked that a double-click would play.
    void playLooksNear();
    void pathsDropped(const QStringList& paths);
    void settingsClicked();
    void aboutClicked();
    // The window was asked to close; it closes only once end() is called.
    void closeRequested();
    // A change of size or state: what the viewer shows ends.
    void viewerToStop();
    // Whether play-all can be pressed may have changed.
    void playChoicesChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildBrowser(const Drives& drives);
    void followMounts(const std::vector<Mount>& mounts);
    void buildButtons();
    void connectButtons();
    void buildPlaylist();
    void buildHintStrip();
    void buildHints();
    void watchPlayIntent();
    void mediaFileDoubleClicked();
    void addSelectedFiles();
    void openChooser(ChooserPanel::Azione azione);
    void lockForChooser(bool locked);
    void showSelectedPath();

    const SettingsModel& m_settings;
    PlaylistEditor& m_editor;
    ListFileSession& m_listFiles;
    MediaBrowser* m_browser;
    bool m_ended = false;

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
    HintStrip* frame;
    ChooserPanel* Frame1;
    HintLine* m_hints;
};
