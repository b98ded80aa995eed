#pragma once

#include "dialogs.h"
#include "listfilesession.h"
#include "mprishost.h"
#include "pathintake.h"
#include "playerbackend.h"
#include "playlisteditor.h"
#include "playlistmodel.h"
#include "settingsmodel.h"
#include "settingssession.h"

#include <QObject>

#include <memory>

class Configura;
class PlaybackSession;
class PlayerModule;
class Seleziona;
class Splash;
class Visore;

// ZEB while it runs: the live settings, the playlist and its list files, and the four windows over them.
// It creates the main window at once and the others on first use, each once, and destroys them at exit;
// it runs the start-up and the exit, takes the paths handed to ZEB, and answers the desktop's media
// controls.
class Program : public QObject, public MprisHost {
    Q_OBJECT
public:
    // The browser starts in startFolder; settingsPath names ZEBcfg.dat; the viewer's player comes from
    // playerModule and takes playerOptions.
    Program(Dialogs& dialogs, QString startFolder, QString settingsPath, PlayerModule& playerModule,
            PlayerBackend::Options playerOptions);
    ~Program() override;

    // The start-up: reads the settings, loads the viewer and the about window, then shows the main
    // window, which the folder and the last list file fill as they are read.
    void load();

    SettingsModel& settings() { return m_settings; }
    Seleziona& seleziona() { return *m_seleziona; }
    Configura& configura();
    Visore& visore();
    Splash& splash();
    PlaybackSession& playback();

    const QString& attuale() const { return m_listFiles.current(); }
    // True while a folder or a list file is being read or written, paths handed over are looked at, or
    // the settings are written at exit.
    bool isWaitingOnFiles() const;

    // Files, folders and list files handed to ZEB (absolute local paths): see PathIntake.
    void openPaths(const QStringList& paths, bool enqueue);
    // Shows and raises the window the user works in: the settings or about window while one is open, the
    // viewer while it plays, otherwise the main window; and above it a box that waits for an answer.
    void raiseWindow() override;
    void askToQuit() override;
    void playPlaylist() override;
    bool canPlayPlaylist() const override;
    void openFile(const QString& path) override;

Q_SIGNALS:
    // The exit was confirmed and the settings written: the program is to end, whichever of its windows was
    // up. A window that was hidden (the viewer played, the about window showed) ends nothing by closing.
    void ended();
    // What the media controls read here may have changed: the playlist, the formats, whether play-all can
    // be pressed.
    void playChoicesChanged();

private:
    void connectMainWindow();
    void connectListFiles();
    void connectIntake();
    void restoreSettings();
    void storeSettings();
    void connectPlayback();
    void preparePlayer();
    void playAll();
    void playSelectedEntry();
    void playFiles(const OpenedPaths& opened);
    void openSettings();
    void closeSettings();
    void openAbout();
    void stopViewer();
    void exit();
    void settingsSaved(SettingsSession::Outcome outcome);
    void tell(const QString& text, Dialogs::Icon icon);

    Dialogs& m_dialogs;
    const QString m_startFolder;
    SettingsSession m_settingsFile;
    SettingsModel m_settings;
    PlaylistModel m_playlist;
    ListFileSession m_listFiles{m_playlist};
    PlaylistEditor m_editor{m_playlist, m_listFiles};
    PathIntake m_intake;
    PlayerModule& m_playerModule;
    const PlayerBackend::Options m_playerOptions;
    // The pattern of the browser's file list, which takes the formats when the settings window closes.
    QString m_pattern;
    // The exit was confirmed: the settings are being written, then the main window closes.
    bool m_exiting = false;
    bool m_settingsWritten = false;

    std::unique_ptr<Seleziona> m_seleziona;
    std::unique_ptr<PlaybackSession> m_playback;
    std::unique_ptr<Configura> m_configura;
    std::unique_ptr<Splash> m_splash;
};
