#include "chooserpanel.h"

#include "controls.h"
#include "deletekey.h"
#include "dialogs.h"
#include "drives.h"
#include "folderlist.h"
#include "looks.h"
#include "mediabrowser.h"
#include "paths.h"
#include "picturebutton.h"
#include "twips.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>

namespace {

const QString kExtension = QStringLiteral(".zbl");

}  // namespace

ChooserPanel::ChooserPanel(Dialogs& dialogs, Drives drives, QWidget* parent)
    : QFrame(parent), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("Frame1"));
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
    m_browser->setPattern(QStringLiteral("*") + kExtension);
    File2->setSelectionMode(QAbstractItemView::SingleSelection);
    // The Delete key in the file list deletes the selected list file, once the user confirms.
    onDeleteKey(File2, [this] { deleteSelectedFile(); });
    connect(File2->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QString name = selectedFile();
        if (!name.isEmpty()) Text1->setText(name);
    });
    connect(File2, &QListView::doubleClicked, this, &ChooserPanel::confirm);
    connect(Command11, &QPushButton::clicked, this, &ChooserPanel::confirm);
    connect(Command12, &QPushButton::clicked, this, &ChooserPanel::closePanel);
    hide();
}

void ChooserPanel::open(Azione azione, bool hasCurrentListFile) {
    m_azione = azione;
    show();
    raise();
    if (azione == Azione::Salva) {
        Text1->setReadOnly(false);
        if (!hasCurrentListFile) Text1->setText(QStringLiteral("NuovaLista") + kExtension);
    } else {
        Text1->setReadOnly(true);
        Text1->clear();
    }
    // The chooser starts in the process's working folder, read when it is first wanted.
    if (m_browser->folder().isEmpty()) {
        m_browser->pointAt(QDir::currentPath());
    } else {
        m_browser->reread();
    }
}

bool ChooserPanel::isWaitingOnFiles() const {
    return m_browser->isReading();
}

void ChooserPanel::confirm() {
    if (Text1->text().isEmpty()) return;
    QString path = joinPath(m_browser->folder(), Text1->text());
    if (!path.endsWith(kExtension, Qt::CaseInsensitive)) path += kExtension;
    Q_EMIT confirmed(m_azione, path);
    closePanel();
}

void ChooserPanel::closePanel() {
    hide();
    Q_EMIT closed();
}

QString ChooserPanel::selectedFile() const {
    const QModelIndexList selected = File2->selectionModel()->selectedRows();
    return selected.isEmpty() ? QString() : selected.first().data().toString();
}

void ChooserPanel::deleteSelectedFile() {
    const QString name = selectedFile();
    if (name.isEmpty() || !m_dialogs.askYesNo(this, QStringLiteral("Eliminare definitivamente il file?")))
        return;
    const QString path = joinPath(m_browser->folder(), name);
    if (!QFile::remove(path)) {
        m_dialogs.tell(this, QStringLiteral("Impossibile eliminare il file %1.").arg(path),
                       Dialogs::Icon::Stop);
        return;
    }
    Q_EMIT listFileDeleted(path);
    m_browser->reread();
    Text1->clear();
}
