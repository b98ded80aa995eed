#include "chooserpanel.h"

#include "busypointer.h"
#include "controls.h"
#include "dialogs.h"
#include "drives.h"
#include "folderlist.h"
#include "keyaction.h"
#include "listfilesession.h"
#include "looks.h"
#include "mediabrowser.h"
#include "paths.h"
#include "picturebutton.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>

namespace {

const QString kExtension = QStringLiteral(".zbl");

}  // namespace

ChooserPanel::ChooserPanel(Dialogs& dialogs, Drives drives, ListFileSession& listFiles, QWidget* parent)
    : QFrame(parent), m_dialogs(dialogs), m_listFiles(listFiles) {
    setObjectName(QStringLiteral("Frame1"));
    setAccessibleName(QStringLiteral("Scelta del file di lista"));
    setGeometry(twipsRect(0, -90, 7575, 6220));
    looks::paint(this, looks::kYellow, looks::kTeal);

    Drive2 = placeListBox(new QComboBox(this), QStringLiteral("Drive2"), QStringLiteral("Unità delle liste"),
                          twipsRect(120, 265, 2895, 315), looks::kYellow);
    Dir2 = placeListBox(new FolderList(this), QStringLiteral("Dir2"), QStringLiteral("Cartelle delle liste"),
                        twipsRect(120, 585, 2895, 5040), looks::kYellow);
    File2 = placeListBox(new QListView(this), QStringLiteral("File2"), QStringLiteral("File delle liste"),
                         twipsRect(3000, 270, 4470, 4965), looks::kYellow);
    Text1 = placeListBox(new QLineEdit(this), QStringLiteral("Text1"), QStringLiteral("Nome del file"),
                         twipsRect(3020, 5270, 4455, 295), looks::kGreen);
    Command11 = place(new PictureButton(QStringLiteral(":/pictures/confirm.svg"),
                                        QStringLiteral("Conferma il file selezionato"), this),
                      QStringLiteral("Command11"), twipsRect(130, 5600, 3675, 450));
    Command12 = place(new PictureButton(QStringLiteral(":/pictures/cancel.svg"),
                                        QStringLiteral("Annulla l'operazione"), this),
                      QStringLiteral("Command12"), twipsRect(3790, 5600, 3675, 450));

    m_browser = new MediaBrowser(std::move(drives), Drive2, Dir2, File2);
    m_busy = new BusyPointer({this}, this);
    m_browser->setPattern(QStringLiteral("*") + kExtension);
    File2->setSelectionMode(QAbstractItemView::SingleSelection);
    // The Delete key in the file list deletes the selected list file, once the user confirms.
    onDeleteKey(File2, [this] { deleteSelectedFile(); });
    // Every click on a file names it, the selected one too, and so does every move of the selection.
    connect(File2, &QListView::clicked, this,
            [this](const QModelIndex& file) { Text1->setText(file.data().toString()); });
    connect(File2->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QString name = selectedFile();
        if (!name.isEmpty()) Text1->setText(name);
    });
    // Enter confirms, on a list file or in the name; Esc cancels, wherever the keyboard is while it shows.
    connect(File2, &QListView::doubleClicked, this, &ChooserPanel::confirm);
    onEnterKey(File2, [this] { confirm(); });
    connect(Text1, &QLineEdit::returnPressed, this, &ChooserPanel::confirm);
    auto* cancel = new QAction(this);
    cancel->setShortcut(Qt::Key_Escape);
    cancel->setShortcutContext(Qt::WindowShortcut);
    addAction(cancel);
    connect(cancel, &QAction::triggered, Command12, &QPushButton::click);
    connect(Command11, &QPushButton::clicked, this, &ChooserPanel::confirm);
    connect(Command12, &QPushButton::clicked, this, &ChooserPanel::closePanel);
    connect(&m_listFiles, &ListFileSession::removed, this, &ChooserPanel::listFileDeleted);
    connect(&m_listFiles, &ListFileSession::removeFailed, this, [this](const QString& path) {
        m_dialogs.tell(this, QStringLiteral("Impossibile eliminare il file %1.").arg(path),
                       Dialogs::Icon::Stop);
    });
    connect(&m_listFiles, &ListFileSession::finished, this, &ChooserPanel::operationFinished);
    hide();
}

void ChooserPanel::open(Azione azione) {
    m_azione = azione;
    show();
    raise();
    if (azione == Azione::Salva) {
        Text1->setReadOnly(false);
        if (m_listFiles.current().isEmpty()) Text1->setText(QStringLiteral("NuovaLista") + kExtension);
        Text1->setFocus(Qt::OtherFocusReason);
    } else {
        Text1->setReadOnly(true);
        Text1->clear();
        File2->setFocus(Qt::OtherFocusReason);
    }
    if (m_browser->folder().isEmpty() && !m_browser->isReading()) {
        startInWorkingFolder();
    } else {
        m_browser->reread();
    }
}

// The chooser starts in the process's working folder, read when it is first wanted; when that folder has
// gone or cannot be read, in the home folder.
void ChooserPanel::startInWorkingFolder() {
    const QString working = QDir::currentPath();
    if (working.isEmpty()) {
        m_browser->pointAt(QDir::homePath());
        return;
    }
    m_browser->pointAt(working);
    connect(
        m_browser, &MediaBrowser::readFinished, this,
        [this] {
            if (m_browser->folder().isEmpty()) m_browser->pointAt(QDir::homePath());
        },
        Qt::SingleShotConnection);
}

HintTargets ChooserPanel::hintTargets() {
    return {{Command11, Command12}, {this, Dir2, File2}, {Drive2, Text1}};
}

bool ChooserPanel::isWaitingOnFiles() const {
    return m_waiting || m_browser->isReading();
}

void ChooserPanel::followDrives(const std::vector<Drives::Drive>& now) {
    m_browser->followDrives(now);
}

bool ChooserPanel::focusNextPrevChild(bool next) {
    QList<QWidget*> controls;
    for (QWidget* control :
         std::initializer_list<QWidget*>{Drive2, Dir2, File2, Text1, Command11, Command12}) {
        if (control->isEnabled() && (control->focusPolicy() & Qt::TabFocus)) controls.append(control);
    }
    if (controls.isEmpty()) return false;
    const qsizetype at = controls.indexOf(QApplication::focusWidget());
    const qsizetype step = next ? 1 : controls.size() - 1;
    controls[at < 0 ? 0 : (at + step) % controls.size()]->setFocus(next ? Qt::TabFocusReason
                                                                        : Qt::BacktabFocusReason);
    return true;
}

// A name is joined onto the folder the lists show: with no folder shown yet, there is nothing to join.
void ChooserPanel::confirm() {
    if (Text1->text().isEmpty() || m_browser->folder().isEmpty() || m_waiting) return;
    QString path = joinPath(m_browser->folder(), Text1->text());
    if (!path.endsWith(kExtension, Qt::CaseInsensitive)) path += kExtension;
    m_closeWhenDone = true;
    setWaiting(true);
    if (m_azione == Azione::Leggi) {
        m_listFiles.load(path);
    } else {
        m_listFiles.save(path);
    }
}

// Cancel while a list file is loaded or saved gives up waiting for it.
void ChooserPanel::closePanel() {
    if (m_waiting) {
        m_listFiles.abandon();
        setWaiting(false);
    }
    hide();
    Q_EMIT closed();
}

void ChooserPanel::operationFinished() {
    if (!m_waiting) return;
    setWaiting(false);
    if (std::exchange(m_closeWhenDone, false)) closePanel();
}

void ChooserPanel::setWaiting(bool waiting) {
    m_waiting = waiting;
    for (QWidget* control : std::initializer_list<QWidget*>{Drive2, Dir2, File2, Text1, Command11}) {
        control->setEnabled(!waiting);
    }
    m_busy->setWaiting(waiting);
}

QString ChooserPanel::selectedFile() const {
    const QModelIndexList selected = File2->selectionModel()->selectedRows();
    return selected.isEmpty() ? QString() : selected.first().data().toString();
}

void ChooserPanel::deleteSelectedFile() {
    const QString name = selectedFile();
    if (name.isEmpty() || m_waiting ||
        !m_dialogs.askYesNo(this, QStringLiteral("Eliminare definitivamente il file?")))
        return;
    m_closeWhenDone = false;
    setWaiting(true);
    m_listFiles.remove(joinPath(m_browser->folder(), name));
}

void ChooserPanel::listFileDeleted() {
    m_browser->reread();
    Text1->clear();
}
