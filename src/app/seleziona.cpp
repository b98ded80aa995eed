#include "seleziona.h"

#include "busypointer.h"
#include "controls.h"
#include "folderlist.h"
#include "hintline.h"
#include "hintstrip.h"
#include "keyaction.h"
#include "listfilesession.h"
#include "looks.h"
#include "mediabrowser.h"
#include "mountwatch.h"
#include "picturebutton.h"
#include "playintent.h"
#include "playlisteditor.h"
#include "playlistmodel.h"
#include "playlistview.h"
#include "settingsmodel.h"
#include "twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QListView>

Seleziona::Seleziona(Dialogs& dialogs, const SettingsModel& settings, PlaylistEditor& editor,
                     ListFileSession& listFiles)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_settings(settings),
      m_editor(editor),
      m_listFiles(listFiles) {
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
    Frame1 = new ChooserPanel(dialogs, drives, m_listFiles, this);
    connect(Frame1, &ChooserPanel::closed, this, [this] { lockForChooser(false); });
    connect(mounts, &MountWatch::changed, this, &Seleziona::followMounts);
    buildHints();
    watchPlayIntent();
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
    connectButtons();
}

void Seleziona::connectButtons() {
    connect(Command1, &QPushButton::clicked, this, &Seleziona::addSelectedFiles);
    connect(Command2, &QPushButton::clicked, &m_editor, &PlaylistEditor::removeSelected);
    connect(Command5, &QPushButton::clicked, &m_editor, &PlaylistEditor::moveSelectedUp);
    connect(Command6, &QPushButton::clicked, &m_editor, &PlaylistEditor::moveSelectedDown);
    connect(Command10, &QPushButton::clicked, this, &Seleziona::newListClicked);
    connect(Command4, &QPushButton::clicked, this, &Seleziona::playAllClicked);
    connect(Command3, &QPushButton::clicked, this, [this] { openChooser(ChooserPanel::Azione::Salva); });
    connect(Command7, &QPushButton::clicked, this, [this] { openChooser(ChooserPanel::Azione::Leggi); });
    connect(Command8, &QPushButton::clicked, this, &QWidget::close);
    connect(Command9, &QPushButton::clicked, this, &Seleziona::settingsClicked);
}

void Seleziona::buildPlaylist() {
    List2 = placeListBox(new PlaylistView(this), QStringLiteral("List2"), QStringLiteral("Lista dei brani"),
                         twipsRect(1560, 3720, 5910, 2400), looks::kGreen);
    List2->setModel(&m_editor.playlist());
    List2->setSelectionModel(&m_editor.selection());
    List2->setUniformItemSizes(true);
    List2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    onDeleteKey(List2, [this] { m_editor.removeSelected(); });
    onEnterKey(List2, [this] { Q_EMIT entryToPlay(); });
    connect(List2, &QListView::clicked, this, &Seleziona::showSelectedPath);
    connect(List2, &QListView::doubleClicked, this, &Seleziona::entryToPlay);
    connect(&m_editor, &PlaylistEditor::entrySelected, this, &Seleziona::showSelectedPath);
    connect(List2, &PlaylistView::entryDropped, &m_editor, &PlaylistEditor::move);
    connect(List2, &PlaylistView::filesDropped, this, &Seleziona::pathsDropped);
    // The playlist waits while a list file is read into it.
    auto* busy = new BusyPointer({List2}, this);
    connect(&m_listFiles, &ListFileSession::busyChanged, busy, &BusyPointer::setWaiting);
}

void Seleziona::buildHintStrip() {
    frame = new HintStrip(this);
    m_hints = &frame->hints();
    Command13 = place(new QPushButton(QStringLiteral("?"), this), QStringLiteral("Command13"),
                      twipsRect(7080, 6240, 375, 375));
    Command13->setFont(looks::boldFont(8.25));
    Command13->setToolTip(QStringLiteral("Informazioni su ZEB"));
    Command13->setAccessibleName(Command13->toolTip());
    connect(Command13, &QPushButton::clicked, this, &Seleziona::aboutClicked);
}

void Seleziona::buildHints() {
    m_hints->follow({{Command1, Command2, Command3, Command4, Command5, Command6, Command7, Command8,
                      Command9, Command10, Command13},
                     {this, Dir1, File1, List2},
                     {Drive1, frame}});
    m_hints->follow(Frame1->hintTargets());
    m_hints->watch(this);
}

// The program loads the player module ahead when a play looks near.
void Seleziona::watchPlayIntent() {
    auto* intent = new PlayIntent(this);
    intent->watch(Command4);
    intent->watch(List2);
    connect(intent, &PlayIntent::shown, this, &Seleziona::playLooksNear);
    connect(File1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_settings.clicco() != 0) Q_EMIT playLooksNear();
    });
}

// The pattern is set before the folder so that the folder is read once.
void Seleziona::start(const QString& pattern, const QString& folder) {
    m_browser->setPattern(pattern);
    m_browser->pointAt(folder);
    show();
}

void Seleziona::setPattern(const QString& pattern) {
    m_browser->setPattern(pattern);
}

bool Seleziona::isPlayAllAvailable() const {
    return Command4->isEnabled();
}

bool Seleziona::isWaitingOnFiles() const {
    return m_browser->isReading() || Frame1->isWaitingOnFiles();
}

void Seleziona::end() {
    m_ended = true;
    close();
}

// A double-click on a media file adds the selection to the playlist, or plays the file at once.
void Seleziona::mediaFileDoubleClicked() {
    if (m_settings.clicco() == 0) {
        addSelectedFiles();
        return;
    }
    const QString name = m_browser->focusedFile();
    if (!name.isEmpty()) Q_EMIT mediaFileToPlay(trackOfFile(m_browser->folder(), name));
}

void Seleziona::addSelectedFiles() {
    const QString folder = m_browser->folder();
    std::vector<Track> tracks;
    for (const QString& name : m_browser->takeSelectedFiles()) tracks.push_back(trackOfFile(folder, name));
    m_editor.add(tracks);
}

// Saving needs a playlist with something in it.
void Seleziona::openChooser(ChooserPanel::Azione azione) {
    if (azione == ChooserPanel::Azione::Salva && m_editor.playlist().rowCount() == 0) return;
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

void Seleziona::showSelectedPath() {
    const int row = m_editor.selected();
    if (row >= 0) m_hints->show(m_editor.playlist().pathAt(row));
}

// Any change of size or state, minimising and the first display included, ends what the viewer shows.
void Seleziona::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Q_EMIT viewerToStop();
}

// While the settings window is open, or the exit under way, the window takes no input.
void Seleziona::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Q_EMIT viewerToStop();
    if (event->type() == QEvent::EnabledChange) Q_EMIT playChoicesChanged();
}

// Asked on every close, whatever asked for it, until the program ends.
void Seleziona::closeEvent(QCloseEvent* event) {
    if (m_ended) return;
    event->ignore();
    Q_EMIT closeRequested();
}
