#include "program.h"

#include "configura.h"
#include "formats.h"
#include "hideafterrelease.h"
#include "mediaplayer.h"
#include "playbacksession.h"
#include "playermodule.h"
#include "seleziona.h"
#include "sequencer.h"
#include "splash.h"
#include "twips.h"
#include "visore.h"

#include <QApplication>
#include <QDesktopServices>

namespace {

const QString kExitQuestion = QStringLiteral("Eventuali modifiche non salvate verranno perse! Uscire?");
const QString kNewListQuestion =
    QStringLiteral("Eventuali modifiche non salvate verranno perse! Cominciare una nuova lista?");

}  // namespace

Program::Program(Dialogs& dialogs, QString startFolder, QString settingsPath, PlayerModule& playerModule,
                 PlayerBackend::Options playerOptions)
    : m_dialogs(dialogs),
      m_startFolder(std::move(startFolder)),
      m_settingsFile(std::move(settingsPath)),
      m_intake(m_listFiles, [this] { return m_pattern; }),
      m_playerModule(playerModule),
      m_playerOptions(std::move(playerOptions)),
      m_seleziona(std::make_unique<Seleziona>(dialogs, m_settings, m_editor, m_listFiles)) {
    connectMainWindow();
    connectListFiles();
    connectIntake();
    connect(&m_settingsFile, &SettingsSession::saved, this, &Program::settingsSaved);
    connect(&m_settings, &SettingsModel::formatsChanged, this, &Program::playChoicesChanged);
    for (auto changed : {&PlaylistModel::rowsInserted, &PlaylistModel::rowsRemoved}) {
        connect(&m_playlist, changed, this, &Program::playChoicesChanged);
    }
    connect(&m_playlist, &PlaylistModel::modelReset, this, &Program::playChoicesChanged);
}

// The other windows go before the main window, the viewer and its player first.
Program::~Program() {
    m_playback.reset();
    m_configura.reset();
    m_splash.reset();
    m_seleziona.reset();
}

void Program::connectMainWindow() {
    Seleziona* window = m_seleziona.get();
    connect(window, &Seleziona::playAllClicked, this, &Program::playAll);
    connect(window, &Seleziona::entryToPlay, this, &Program::playSelectedEntry);
    connect(window, &Seleziona::newListClicked, this, [this] {
        if (m_dialogs.askYesNo(m_seleziona.get(), kNewListQuestion)) m_editor.beginNewList();
    });
    connect(window, &Seleziona::mediaFileToPlay, this, [this](const Track& track) {
        visore().fitAroundPlayer();
        playback().playOne(track, true);
    });
    connect(window, &Seleziona::playLooksNear, this, &Program::preparePlayer);
    connect(window, &Seleziona::pathsDropped, this,
            [this](const QStringList& paths) { openPaths(paths, true); });
    connect(window, &Seleziona::settingsClicked, this, &Program::openSettings);
    connect(window, &Seleziona::aboutClicked, this, &Program::openAbout);
    connect(window, &Seleziona::viewerToStop, this, &Program::stopViewer);
    connect(window, &Seleziona::closeRequested, this, &Program::exit);
    connect(window, &Seleziona::playChoicesChanged, this, &Program::playChoicesChanged);
    connect(&m_editor, &PlaylistEditor::notAllAdded, this, [this](qsizetype offered, qsizetype added) {
        tell(QStringLiteral("La lista può contenere al massimo %1 brani: dei %2 file selezionati ne "
                            "sono stati aggiunti %3.")
                 .arg(kMaxEntries)
                 .arg(offered)
                 .arg(added),
             Dialogs::Icon::Warning);
    });
}

// The caption names the list file last loaded or saved; a file that is not a list file, or cannot be
// written, is reported.
void Program::connectListFiles() {
    connect(&m_listFiles, &ListFileSession::captionChanged, m_seleziona.get(), &QWidget::setWindowTitle);
    connect(&m_listFiles, &ListFileSession::notAListFile, this,
            [this] { tell(QStringLiteral("Il file selezionato non è valido."), Dialogs::Icon::Stop); });
    connect(&m_listFiles, &ListFileSession::saveFailed, this, [this](const QString& path) {
        tell(QStringLiteral("Impossibile salvare la lista nel file %1.").arg(path), Dialogs::Icon::Stop);
    });
}

void Program::connectIntake() {
    connect(&m_intake, &PathIntake::missing, this, [this](const QString& path) {
        tell(QStringLiteral("Il file o la cartella non esiste:\n%1").arg(path), Dialogs::Icon::Warning);
    });
    connect(&m_intake, &PathIntake::notLocal, this, [this](const QString& address) {
        tell(QStringLiteral("ZEB apre soltanto file locali:\n%1").arg(address), Dialogs::Icon::Warning);
    });
    connect(&m_intake, &PathIntake::toPlay, this, &Program::playFiles);
    connect(&m_intake, &PathIntake::toAdd, &m_editor, &PlaylistEditor::add);
}

void Program::load() {
    restoreSettings();
    splash();
    m_pattern = m_settings.mediaPattern();
    m_seleziona->start(m_pattern, m_startFolder);
    if (!attuale().isEmpty()) m_listFiles.load(attuale());
    // The list of the last run comes back by itself; a list loaded afterwards is the user's choice.
    m_listFiles.whenLoaded(
        [this] { connect(&m_listFiles, &ListFileSession::loaded, this, &Program::preparePlayer); });
}

void Program::restoreSettings() {
    m_settings.load(m_settingsFile.read());
    if (!m_settings.currentListFile().isEmpty()) m_listFiles.restoreCurrent(m_settings.currentListFile());
    visore().move(windowPositionFromTwips(m_settings.viewer().left, m_settings.viewer().top));
    visore().setScala(m_settings.scala());
    m_seleziona->move(windowPositionFromTwips(m_settings.main().left, m_settings.main().top));
}

// What the record holds besides the live settings is taken from the windows as they are at exit.
void Program::storeSettings() {
    m_settings.setCurrentListFile(attuale());
    const QPoint viewer = visore().windowedPosition();
    m_settings.setViewer({pixelsToTwips(viewer.x()), pixelsToTwips(viewer.y())});
    m_settings.setMain({pixelsToTwips(m_seleziona->x()), pixelsToTwips(m_seleziona->y())});
    m_settings.setScala(visore().scala());
}

bool Program::isWaitingOnFiles() const {
    return m_seleziona->isWaitingOnFiles() || m_listFiles.isBusy() || m_intake.isBusy() ||
           (m_exiting && !m_settingsWritten);
}

void Program::openPaths(const QStringList& paths, bool enqueue) {
    if (!enqueue) preparePlayer();
    m_intake.take(paths, enqueue);
}

// The files named are played whatever their format; a folder's files are those of the ticked formats,
// as play-all plays the playlist's.
void Program::playFiles(const OpenedPaths& opened) {
    const ActiveFormats active(m_settings.formats());
    std::vector<Track> queue;
    for (const OpenedPaths::File& file : opened.files) {
        if (!file.inFolder || active.take(file.track.path)) queue.push_back(file.track);
    }
    if (playback().playQueue(std::move(queue))) raiseWindow();
}

void Program::raiseWindow() {
    QWidget* window = m_seleziona.get();
    for (QWidget* shown : std::initializer_list<QWidget*>{m_configura.get(), m_splash.get(), &visore()}) {
        if (shown && shown->isVisible()) {
            window = shown;
            break;
        }
    }
    if (window->isMinimized()) {
        window->showNormal();
    } else {
        window->show();
    }
    window->raise();
    window->activateWindow();
    // A box that waits for an answer stays above the window it belongs to.
    if (QWidget* box = QApplication::activeModalWidget()) {
        box->raise();
        box->activateWindow();
    }
}

// While the settings window is open, the main window refuses to close, as it refuses the window system.
void Program::askToQuit() {
    if (m_seleziona->isEnabled()) m_seleziona->close();
}

// Nothing, as for the button, while the button cannot be pressed.
void Program::playPlaylist() {
    if (m_seleziona->isPlayAllAvailable()) playAll();
}

bool Program::canPlayPlaylist() const {
    return m_seleziona->isPlayAllAvailable() && !m_exiting &&
           hasPlayableTrack(m_playlist.tracks(), m_settings.formats());
}

// As the file named on the command line.
void Program::openFile(const QString& path) {
    openPaths({path}, false);
}

Configura& Program::configura() {
    if (!m_configura) {
        m_configura = std::make_unique<Configura>(m_dialogs, m_settings);
        connect(m_configura.get(), &Configura::closed, this, &Program::closeSettings);
    }
    return *m_configura;
}

Visore& Program::visore() {
    return playback().visore();
}

PlaybackSession& Program::playback() {
    if (!m_playback) {
        m_playback = std::make_unique<PlaybackSession>(m_playerModule, m_playerOptions, [this] {
            return PlayOptions{m_settings.continuo(), m_settings.random()};
        });
        connectPlayback();
        const ListeningState listening = m_settingsFile.readListening();
        m_playback->visore().player().setVolume(listening.volume);
        m_playback->visore().player().setMuted(listening.muted);
    }
    return *m_playback;
}

void Program::connectPlayback() {
    // A double-click that plays hides the main window under the held button.
    auto* mainWindow = new HideAfterRelease(m_seleziona.get());
    connect(m_playback.get(), &PlaybackSession::hideMainWindow, mainWindow, &HideAfterRelease::hide);
    connect(m_playback.get(), &PlaybackSession::showMainWindow, mainWindow, &HideAfterRelease::show);
    connect(m_playback.get(), &PlaybackSession::failed, this, [this](const QString& path) {
        tell(QStringLiteral("Impossibile riprodurre il file:\n%1").arg(path), Dialogs::Icon::Stop);
    });
    connect(m_playback.get(), &PlaybackSession::unavailable, this, [this](const QString& reason) {
        tell(QStringLiteral("Impossibile riprodurre: il lettore multimediale non si carica.\n%1").arg(reason),
             Dialogs::Icon::Stop);
    });
    for (auto changed : {&SettingsModel::continuoChanged, &SettingsModel::randomChanged}) {
        connect(&m_settings, changed, m_playback.get(), &PlaybackSession::optionsChanged);
    }
}

Splash& Program::splash() {
    if (!m_splash) {
        m_splash = std::make_unique<Splash>(m_dialogs,
                                            [](const QUrl& link) { return QDesktopServices::openUrl(link); });
        connect(m_splash.get(), &Splash::closed, m_seleziona.get(), &QWidget::show);
    }
    return *m_splash;
}

// Loading the player module takes long enough to be seen on the first play: it is loaded ahead, in the
// background, as soon as a play looks near. Not at start-up, whose memory it would double.
void Program::preparePlayer() {
    m_playerModule.preload();
}

void Program::playAll() {
    playback().playAll(m_playlist.tracks(), m_settings.formats());
}

void Program::playSelectedEntry() {
    const int row = m_editor.selected();
    if (row >= 0) playback().playOne(m_playlist.tracks()[size_t(row)], false);
}

void Program::openSettings() {
    m_seleziona->setEnabled(false);
    configura().show();
}

// A format added or removed shows in the file list at once.
void Program::closeSettings() {
    m_seleziona->setEnabled(true);
    if (m_pattern == m_settings.mediaPattern()) return;
    m_pattern = m_settings.mediaPattern();
    m_seleziona->setPattern(m_pattern);
}

void Program::openAbout() {
    m_seleziona->hide();
    splash().show();
}

void Program::stopViewer() {
    if (m_playback) m_playback->stop();
}

// Asked on every close, whatever asked for it: nothing records whether the playlist was saved. On Yes the
// main window waits, answering but taking no input, until the settings are written; then it closes.
void Program::exit() {
    if (m_exiting || !m_dialogs.askYesNo(m_seleziona.get(), kExitQuestion)) return;
    m_exiting = true;
    m_intake.close();
    stopViewer();
    m_seleziona->setEnabled(false);
    storeSettings();
    const MediaPlayer& player = visore().player();
    m_settingsFile.save(m_settings.record(), {player.volume(), player.isMuted()});
}

void Program::settingsSaved(SettingsSession::Outcome outcome) {
    if (outcome == SettingsSession::Outcome::Failed) {
        tell(QStringLiteral("Impossibile scrivere il file %1: le impostazioni non sono state salvate.")
                 .arg(m_settingsFile.path()),
             Dialogs::Icon::Stop);
    } else if (outcome == SettingsSession::Outcome::HeldByAnother) {
        tell(QStringLiteral(
                 "È aperta un'altra copia di ZEB: le impostazioni di questa non sono state salvate."),
             Dialogs::Icon::Warning);
    }
    m_settingsWritten = true;
    m_seleziona->end();
    Q_EMIT ended();
}

void Program::tell(const QString& text, Dialogs::Icon icon) {
    m_dialogs.tell(m_seleziona.get(), text, icon);
}
