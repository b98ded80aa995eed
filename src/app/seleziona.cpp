#include "seleziona.h"

#include "background.h"
#include "busypointer.h"
#include "configura.h"
#include "controls.h"
#include "dialogs.h"
#include "drives.h"
#include "folderlist.h"
#include "formats.h"
#include "hideafterrelease.h"
#include "hintline.h"
#include "keyaction.h"
#include "listfilesession.h"
#include "looks.h"
#include "mediabrowser.h"
#include "mediaplayer.h"
#include "mountwatch.h"
#include "openedpaths.h"
#include "picture.h"
#include "picturebutton.h"
#include "playbacksession.h"
#include "playermodule.h"
#include "playintent.h"
#include "playlistmodel.h"
#include "playlistview.h"
#include "splash.h"
#include "twips.h"
#include "version.h"
#include "visore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

namespace {

const QString kExitQuestion = QStringLiteral("Eventuali modifiche non salvate verranno perse! Uscire?");
const QString kNewListQuestion =
    QStringLiteral("Eventuali modifiche non salvate verranno perse! Cominciare una nuova lista?");
const QString kNotAListFile = QStringLiteral("Il file selezionato non è valido.");
const QString kIdleText =
    QStringLiteral("ZEB %1 - Organizzatore e lettore di file audio e video").arg(kZebVersion);

}  // namespace

Seleziona::Seleziona(Dialogs& dialogs, QString startFolder, QString settingsPath, PlayerModule& playerModule,
                     PlayerBackend::Options playerOptions)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_dialogs(dialogs),
      m_startFolder(std::move(startFolder)),
      m_settings(std::move(settingsPath)),
      m_playerModule(playerModule),
      m_playerOptions(std::move(playerOptions)) {
    setObjectName(QStringLiteral("Seleziona"));
    setWindowTitle(QStringLiteral("ZEB"));
    setFixedSize(twipsRect(0, 0, 7575, 6720).size());
    looks::paint(this, looks::kYellow, looks::kBlue);

    // The mounted file systems, watched before the first look so that no change goes unseen; the browser and
    // the chooser each keep their own folders on them.
    auto* mounts = new MountWatch(this);
    const Drives drives = Drives::ofThisComputer();
    buildBrowser(drives);
    buildButtons();
    buildPlaylist();
    buildHintStrip();
    connectListFiles();
    Frame1 = new ChooserPanel(m_dialogs, drives, *m_listFiles, this);
    connect(Frame1, &ChooserPanel::closed, this, [this] { lockForChooser(false); });
    connect(mounts, &MountWatch::changed, this, &Seleziona::followMounts);
    buildHints();
    watchPlayIntent();
    watchPlayChoices();
    connect(&m_settings, &SettingsSession::saved, this, &Seleziona::settingsSaved);
}

// The other windows go with the main window, the viewer and its player first.
Seleziona::~Seleziona() {
    m_playback.reset();
    m_configura.reset();
    m_splash.reset();
}

void Seleziona::buildBrowser(const Drives& drives) {
    Drive1 = placeListBox(new QComboBox(this), QStringLiteral("Drive1"), QStringLiteral("Unità"),
                          twipsRect(120, 130, 2895, 315), looks::kYellow);
    Dir1 = placeListBox(new FolderList(this), QStringLiteral("Dir1"), QStringLiteral("Cartelle"),
                        twipsRect(120, 470, 2895, 3240), looks::kYellow);
    File1 = placeListBox(new QListView(this), QStringLiteral("File1"), QStringLiteral("File multimediali"),
                         twipsRect(3000, 120, 4470, 3600), looks::kYellow);
    m_browser = new MediaBrowser(drives, Drive1, Dir1, File1);
    connect(File1, &QListView::doubleClicked, this, &Seleziona::mediaFileDoubleClicked);
    onEnterKey(File1, [this] { mediaFileDoubleClicked(); });
}

void Seleziona::followMounts(const std::vector<Mount>& mounts) {
    const std::vector<Drives::Drive> drives = Drives::listOf(mounts, QDir::homePath());
    m_browser->followDrives(drives);
    Frame1->followDrives(drives);
}

void Seleziona::buildButtons() {
    struct Button {
        PictureButton* Seleziona::*member;
        const char* name;
        const char* picture;
        QRect geometry;
        const char* hint;
    };
    const Button buttons[] = {
        {&Seleziona::Command1, "Command1", "add", twipsRect(120, 3720, 975, 420),
         "Aggiungi alla lista i files selezionati"},
        {&Seleziona::Command5, "Command5", "up", twipsRect(1080, 3720, 495, 420),
         "Sposta su il brano selezionato"},
        {&Seleziona::Command2, "Command2", "remove", twipsRect(120, 4120, 975, 420),
         "Elimina dalla lista il brano selezionato"},
        {&Seleziona::Command6, "Command6", "down", twipsRect(1080, 4125, 495, 420),
         "Sposta giù il brano selezionato"},
        {&Seleziona::Command10, "Command10", "newlist", twipsRect(120, 4530, 1455, 375),
         "Comincia una nuova lista"},
        {&Seleziona::Command4, "Command4", "playall", twipsRect(120, 4940, 1455, 375),
         "Esegui tutti i brani nella lista"},
        {&Seleziona::Command3, "Command3", "save", twipsRect(120, 5300, 740, 375), "Salva la lista corrente"},
        {&Seleziona::Command7, "Command7", "load", twipsRect(840, 5300, 740, 375), "Leggi un'altra lista"},
        {&Seleziona::Command9, "Command9", "settings", twipsRect(120, 5730, 740, 375),
         "Modifica le impostazioni di ZEB"},
        {&Seleziona::Command8, "Command8", "close", twipsRect(840, 5730, 740, 375), "Chiudi ZEB"},
    };
    for (const Button& button : buttons) {
        const QString picture = QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(button.picture));
        this->*button.member = place(new PictureButton(picture, QString::fromUtf8(button.hint), this),
                                     QLatin1String(button.name), button.geometry);
    }
    connect(Command1, &QPushButton::clicked, this, &Seleziona::addSelectedFiles);
    connect(Command2, &QPushButton::clicked, this, &Seleziona::removeSelectedEntry);
    connect(Command5, &QPushButton::clicked, this, &Seleziona::moveSelectedEntryUp);
    connect(Command6, &QPushButton::clicked, this, &Seleziona::moveSelectedEntryDown);
    connect(Command10, &QPushButton::clicked, this, &Seleziona::beginNewList);
    connect(Command4, &QPushButton::clicked, this, &Seleziona::playAll);
    connect(Command3, &QPushButton::clicked, this, [this] { openChooser(ChooserPanel::Azione::Salva); });
    connect(Command7, &QPushButton::clicked, this, [this] { openChooser(ChooserPanel::Azione::Leggi); });
    connect(Command8, &QPushButton::clicked, this, &QWidget::close);
    connect(Command9, &QPushButton::clicked, this, &Seleziona::openSettings);
}

void Seleziona::buildPlaylist() {
    m_playlist = new PlaylistModel(this);
    List2 = placeListBox(new PlaylistView(this), QStringLiteral("List2"), QStringLiteral("Lista dei brani"),
                         twipsRect(1560, 3720, 5910, 2400), looks::kGreen);
    List2->setModel(m_playlist);
    List2->setUniformItemSizes(true);
    List2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The Delete key in the playlist removes the selected entry, as the remove button does.
    onDeleteKey(List2, [this] { removeSelectedEntry(); });
    onEnterKey(List2, [this] { playSelectedEntry(); });
    connect(List2, &QListView::clicked, this, &Seleziona::showSelectedPath);
    connect(List2, &QListView::doubleClicked, this, &Seleziona::playSelectedEntry);
    connect(List2->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Seleziona::showSelectedPath);
    connect(List2, &PlaylistView::entryDropped, this,
            [this](int row, int before) { selectEntry(m_playlist->move(row, before)); });
    connect(List2, &PlaylistView::filesDropped, this,
            [this](const QStringList& paths) { openPaths(paths, true); });
}

// The caption names the list file last loaded or saved; a file that is not a list file, or cannot be
// written, is reported.
void Seleziona::connectListFiles() {
    m_listFiles = new ListFileSession(*m_playlist);
    // The playlist waits while a list file is read into it.
    auto* busy = new BusyPointer({List2}, this);
    connect(m_listFiles, &ListFileSession::busyChanged, busy, &BusyPointer::setWaiting);
    connect(m_listFiles, &ListFileSession::captionChanged, this, &QWidget::setWindowTitle);
    connect(m_listFiles, &ListFileSession::notAListFile, this,
            [this] { m_dialogs.tell(this, kNotAListFile, Dialogs::Icon::Stop); });
    connect(m_listFiles, &ListFileSession::saveFailed, this, [this](const QString& path) {
        m_dialogs.tell(this, QStringLiteral("Impossibile salvare la lista nel file %1.").arg(path),
                       Dialogs::Icon::Stop);
    });
}

void Seleziona::buildHintStrip() {
    frame = place(new QFrame(this), QStringLiteral("frame"), twipsRect(120, 6120, 7335, 495));
    frame->setAccessibleName(QStringLiteral("Suggerimenti"));
    looks::paint(frame, looks::kCyan, looks::kBlue);
    Image1 = place(new Picture(QStringLiteral(":/pictures/hintstrip.svg"), frame), QStringLiteral("Image1"),
                   twipsRect(30, 125, 7275, 345));
    aiuto = place(new QLabel(kIdleText, frame), QStringLiteral("aiuto"), twipsRect(120, 180, 6735, 195));
    aiuto->setAccessibleDescription(QStringLiteral("Suggerimento"));
    aiuto->setFont(looks::boldFont(8.25));
    looks::paintText(aiuto, looks::kCyan);

    Command13 = place(new QPushButton(QStringLiteral("?"), this), QStringLiteral("Command13"),
                      twipsRect(7080, 6240, 375, 375));
    Command13->setFont(looks::boldFont(8.25));
    Command13->setToolTip(QStringLiteral("Informazioni su ZEB"));
    Command13->setAccessibleName(Command13->toolTip());
    connect(Command13, &QPushButton::clicked, this, &Seleziona::openAbout);
}

void Seleziona::buildHints() {
    m_hints = new HintLine(aiuto, kIdleText);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8, Command9,
             Command10, Frame1->Command11, Frame1->Command12, Command13}) {
        m_hints->showOnMovement(button, button->accessibleName());
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{this, Frame1, Dir1, Frame1->Dir2, File1, Frame1->File2, List2}) {
        m_hints->showIdleOnMovement(control);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{Drive1, Frame1->Drive2, Frame1->Text1, frame}) {
        m_hints->keepOnMovement(control);
    }
    m_hints->watch(this);
}

// Loading the player module takes long enough to be seen on the first play: it is loaded ahead, in the
// background, as soon as a play looks near. Not at start-up, whose memory it would double.
void Seleziona::watchPlayIntent() {
    auto* intent = new PlayIntent(this);
    intent->watch(Command4);
    intent->watch(List2);
    connect(intent, &PlayIntent::shown, this, &Seleziona::preparePlayer);
    connect(File1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (configura().clicco() != 0) preparePlayer();
    });
}

void Seleziona::watchPlayChoices() {
    connect(m_playlist, &PlaylistModel::rowsInserted, this, &Seleziona::playChoicesChanged);
    connect(m_playlist, &PlaylistModel::rowsRemoved, this, &Seleziona::playChoicesChanged);
    connect(m_playlist, &PlaylistModel::modelReset, this, &Seleziona::playChoicesChanged);
}

void Seleziona::preparePlayer() {
    m_playerModule.preload();
}

// The window shows at once; the folder and the last list file fill it as they are read.
void Seleziona::load() {
    // The pattern is set before the folder so that the folder is read once. Asking the settings window
    // for the pattern loads it, and with it the settings file.
    m_browser->setPattern(configura().mediaPattern());
    m_browser->pointAt(m_startFolder);
    visore();
    splash();
    m_hints->showIdle();
    show();
    if (!attuale().isEmpty()) m_listFiles->load(attuale());
    // The list of the last run comes back by itself; a list loaded afterwards is the user's choice.
    m_listFiles->whenLoaded(
        [this] { connect(m_listFiles, &ListFileSession::loaded, this, &Seleziona::preparePlayer); });
}

const QString& Seleziona::attuale() const {
    return m_listFiles->current();
}

bool Seleziona::isWaitingOnFiles() const {
    return m_browser->isReading() || m_listFiles->isBusy() || Frame1->isWaitingOnFiles() ||
           !m_pathsToOpen.empty() || (m_exiting && !m_settingsWritten);
}

// One set of paths at a time, each carried out whole (its list file loaded, its files added) before the
// next is looked at, so that they reach the playlist in the order they were handed over and files come
// with the list file they came with.
void Seleziona::openPaths(const QStringList& paths, bool enqueue) {
    if (!enqueue) preparePlayer();
    m_pathsToOpen.push_back({paths, enqueue});
    if (m_pathsToOpen.size() == 1) sortOutNextPaths();
}

void Seleziona::sortOutNextPaths() {
    const PathsToOpen& next = m_pathsToOpen.front();
    runInBackground(
        this,
        [paths = next.paths, pattern = WildcardPattern(m_browser->pattern())] {
            return sortOutPaths(paths, pattern);
        },
        [this, enqueue = next.enqueue](const OpenedPaths& opened) {
            open(opened, enqueue);
            m_listFiles->whenLoaded([this] {
                m_pathsToOpen.pop_front();
                if (!m_pathsToOpen.empty()) sortOutNextPaths();
            });
        });
}

// Paths that arrive while the settings are written at exit come too late.
void Seleziona::open(const OpenedPaths& opened, bool enqueue) {
    if (m_exiting) return;
    for (const QString& path : opened.missing) {
        m_dialogs.tell(this, QStringLiteral("Il file o la cartella non esiste:\n%1").arg(path),
                       Dialogs::Icon::Warning);
    }
    for (const QString& address : opened.refused) {
        m_dialogs.tell(this, QStringLiteral("ZEB apre soltanto file locali:\n%1").arg(address),
                       Dialogs::Icon::Warning);
    }
    std::vector<Track> added;
    if (enqueue) {
        for (const OpenedPaths::File& file : opened.files) added.push_back(file.track);
    } else {
        playFiles(opened);
    }
    // Several list files would each take the place of the one before: the last one is loaded. Files added
    // while a list file loads would overtake the load: they wait for it.
    if (!opened.listFiles.isEmpty()) m_listFiles->load(opened.listFiles.last());
    if (!added.empty()) m_listFiles->whenLoaded([this, added] { addToPlaylist(added); });
}

// The files named are played whatever their format; a folder's files are those of the ticked formats,
// as play-all plays the playlist's.
void Seleziona::playFiles(const OpenedPaths& opened) {
    const ActiveFormats active(configura().formats());
    std::vector<Track> queue;
    for (const OpenedPaths::File& file : opened.files) {
        if (!file.inFolder || active.take(file.track.path)) queue.push_back(file.track);
    }
    if (playback().playQueue(std::move(queue))) raiseWindow();
}

void Seleziona::raiseWindow() {
    QWidget* window = this;
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

Configura& Seleziona::configura() {
    if (!m_configura) {
        m_configura = std::make_unique<Configura>(m_dialogs);
        connect(m_configura.get(), &Configura::closed, this, &Seleziona::closeSettings);
        connect(m_configura.get(), &Configura::playOptionsChanged, this, &Seleziona::playChoicesChanged);
        applySettings(m_settings.read());
    }
    return *m_configura;
}

Visore& Seleziona::visore() {
    return playback().visore();
}

PlaybackSession& Seleziona::playback() {
    if (!m_playback) {
        m_playback = std::make_unique<PlaybackSession>(m_playerModule, m_playerOptions, [this] {
            return PlayOptions{configura().continuo(), configura().random()};
        });
        connectPlayback();
        connect(&configura(), &Configura::playOptionsChanged, m_playback.get(),
                &PlaybackSession::optionsChanged);
        const ListeningState listening = m_settings.readListening();
        m_playback->visore().player().setVolume(listening.volume);
        m_playback->visore().player().setMuted(listening.muted);
    }
    return *m_playback;
}

void Seleziona::connectPlayback() {
    // A double-click that plays hides the window under the held button.
    auto* mainWindow = new HideAfterRelease(this);
    connect(m_playback.get(), &PlaybackSession::hideMainWindow, mainWindow, &HideAfterRelease::hide);
    connect(m_playback.get(), &PlaybackSession::showMainWindow, mainWindow, &HideAfterRelease::show);
    connect(m_playback.get(), &PlaybackSession::failed, this, [this](const QString& path) {
        m_dialogs.tell(this, QStringLiteral("Impossibile riprodurre il file:\n%1").arg(path),
                       Dialogs::Icon::Stop);
    });
    connect(m_playback.get(), &PlaybackSession::unavailable, this, [this](const QString& reason) {
        m_dialogs.tell(
            this,
            QStringLiteral("Impossibile riprodurre: il lettore multimediale non si carica.\n%1").arg(reason),
            Dialogs::Icon::Stop);
    });
}

void Seleziona::playAll() {
    playback().playAll(m_playlist->tracks(), configura().formats());
}

void Seleziona::playSelectedEntry() {
    const int row = selectedEntry();
    if (row >= 0) playback().playOne(m_playlist->tracks()[size_t(row)], false);
}

// A double-click on a media file adds the selection to the playlist, or plays the file at once.
void Seleziona::mediaFileDoubleClicked() {
    if (configura().clicco() == 0) {
        addSelectedFiles();
        return;
    }
    const QString name = m_browser->focusedFile();
    if (name.isEmpty()) return;
    visore().fitAroundPlayer();
    playback().playOne(trackOfFile(m_browser->folder(), name), true);
}

// While the settings window is open, the main window refuses to close, as it refuses the window system.
void Seleziona::askToQuit() {
    if (isEnabled()) close();
}

// Nothing, as for the button, while the button cannot be pressed.
void Seleziona::playPlaylist() {
    Command4->click();
}

bool Seleziona::canPlayPlaylist() const {
    if (!Command4->isEnabled() || m_exiting || !m_configura) return false;
    const ActiveFormats active(m_configura->formats());
    const std::vector<Track>& tracks = m_playlist->tracks();
    return std::any_of(tracks.cbegin(), tracks.cend(), [&](const Track& track) { return active.take(track.path); });
}

PlayOptions Seleziona::playOptions() const {
    return m_configura ? PlayOptions{m_configura->continuo(), m_configura->random()} : PlayOptions{};
}

void Seleziona::setPlayOptions(const PlayOptions& options) {
    configura().setContinuo(options.continuo);
    configura().setRandom(options.random);
}

// As the file named on the command line.
void Seleziona::openFile(const QString& path) {
    openPaths({path}, false);
}

Splash& Seleziona::splash() {
    if (!m_splash) {
        m_splash = std::make_unique<Splash>(m_dialogs,
                                            [](const QUrl& link) { return QDesktopServices::openUrl(link); });
        connect(m_splash.get(), &Splash::closed, this, &QWidget::show);
    }
    return *m_splash;
}

void Seleziona::applySettings(const SettingsRecord& record) {
    configura().load(record);
    if (!record.currentListFile.isEmpty()) m_listFiles->restoreCurrent(record.currentListFile);
    visore().move(windowPositionFromTwips(record.viewer.left, record.viewer.top));
    visore().setScala(record.scala);
    move(windowPositionFromTwips(record.main.left, record.main.top));
}

SettingsRecord Seleziona::currentSettings() {
    SettingsRecord record;
    record.currentListFile = attuale();
    configura().store(record);
    const QPoint viewer = visore().windowedPosition();
    record.viewer = {pixelsToTwips(viewer.x()), pixelsToTwips(viewer.y())};
    record.main = {pixelsToTwips(x()), pixelsToTwips(y())};
    record.scala = visore().scala();
    return record;
}

void Seleziona::openSettings() {
    setEnabled(false);
    configura().show();
}

// A format added or removed shows in the file list at once.
void Seleziona::closeSettings() {
    setEnabled(true);
    if (m_browser->pattern() != configura().mediaPattern()) m_browser->setPattern(configura().mediaPattern());
}

void Seleziona::openAbout() {
    hide();
    splash().show();
}

// Saving needs a playlist with something in it.
void Seleziona::openChooser(ChooserPanel::Azione azione) {
    if (azione == ChooserPanel::Azione::Salva && m_playlist->rowCount() == 0) return;
    lockForChooser(true);
    Frame1->open(azione);
}

// While the chooser is open, nothing it covers takes input, the playlist included.
void Seleziona::lockForChooser(bool locked) {
    for (QWidget* control : std::initializer_list<QWidget*>{Drive1, Dir1, File1, Command1, Command2, Command3,
                                                            Command4, Command5, Command6, Command7, Command8,
                                                            Command9, Command10, List2}) {
        control->setEnabled(!locked);
    }
    Q_EMIT playChoicesChanged();
}

void Seleziona::addSelectedFiles() {
    const QString folder = m_browser->folder();
    std::vector<Track> tracks;
    for (const QString& name : m_browser->takeSelectedFiles()) tracks.push_back(trackOfFile(folder, name));
    addToPlaylist(tracks);
}

// Repeated paths are removed even when nothing is added: a list file may hold some.
void Seleziona::addToPlaylist(const std::vector<Track>& tracks) {
    const qsizetype added = m_playlist->add(tracks);
    if (added < qsizetype(tracks.size())) {
        m_dialogs.tell(
            this,
            QStringLiteral("La lista può contenere al massimo %1 brani: dei %2 file selezionati ne "
                           "sono stati aggiunti %3.")
                .arg(PlaylistModel::kMaxEntries)
                .arg(tracks.size())
                .arg(added),
            Dialogs::Icon::Warning);
    }
}

void Seleziona::removeSelectedEntry() {
    const int row = selectedEntry();
    if (row >= 0) selectEntry(m_playlist->remove(row));
}

void Seleziona::moveSelectedEntryUp() {
    const int row = selectedEntry();
    if (row > 0) selectEntry(m_playlist->moveUp(row));
}

void Seleziona::moveSelectedEntryDown() {
    const int row = selectedEntry();
    if (row >= 0 && row < m_playlist->rowCount() - 1) selectEntry(m_playlist->moveDown(row));
}

void Seleziona::beginNewList() {
    if (m_dialogs.askYesNo(this, kNewListQuestion)) m_listFiles->beginNewList();
}

int Seleziona::selectedEntry() const {
    const QModelIndexList rows = List2->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// Selecting an entry shows its path, as a click on it does.
void Seleziona::selectEntry(int row) {
    if (row < 0) return;
    List2->setCurrentIndex(m_playlist->index(row));
    showSelectedPath();
}

void Seleziona::showSelectedPath() {
    const int row = selectedEntry();
    if (row >= 0) m_hints->show(m_playlist->pathAt(row));
}

void Seleziona::stopViewer() {
    playback().stop();
}

// Any change of size or state, minimising and the first display included, ends what the viewer shows.
void Seleziona::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    stopViewer();
}

// While the settings window is open, or the exit under way, the window takes no input.
void Seleziona::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) stopViewer();
    if (event->type() == QEvent::EnabledChange) Q_EMIT playChoicesChanged();
}

// Asked on every close, whatever asked for it: nothing records whether the playlist was saved. On Yes the
// window waits, answering but taking no input, until the settings are written; then it closes.
void Seleziona::closeEvent(QCloseEvent* event) {
    if (m_settingsWritten) {
        event->accept();
        return;
    }
    event->ignore();
    if (m_exiting || !m_dialogs.askYesNo(this, kExitQuestion)) return;
    m_exiting = true;
    stopViewer();
    setEnabled(false);
    const MediaPlayer& player = visore().player();
    m_settings.save(currentSettings(), {player.volume(), player.isMuted()});
}

void Seleziona::settingsSaved(SettingsSession::Outcome outcome) {
    if (outcome == SettingsSession::Outcome::Failed) {
        m_dialogs.tell(
            this,
            QStringLiteral("Impossibile scrivere il file %1: le impostazioni non sono state salvate.")
                .arg(m_settings.path()),
            Dialogs::Icon::Stop);
    } else if (outcome == SettingsSession::Outcome::HeldByAnother) {
        m_dialogs.tell(this,
                       QStringLiteral("È aperta un'altra copia di ZEB: le impostazioni di questa non sono "
                                      "state salvate."),
                       Dialogs::Icon::Warning);
    }
    m_settingsWritten = true;
    close();
    Q_EMIT ended();
}
