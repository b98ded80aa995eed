#include "mediabrowser.h"

#include "folderlist.h"
#include "folderreader.h"

#include <QComboBox>
#include <QListView>
#include <QStringListModel>

#include <algorithm>

MediaBrowser::MediaBrowser(Drives drives, QComboBox* driveList, FolderList* folderList, QListView* fileList)
    : QObject(fileList),
      m_drives(std::move(drives)),
      m_driveList(driveList),
      m_folderList(folderList),
      m_fileList(fileList),
      m_files(new QStringListModel(this)) {
    for (const Drives::Drive& drive : m_drives.list()) m_driveList->addItem(drive.label);
    m_fileList->setModel(m_files);
    m_fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_fileList->setUniformItemSizes(true);
    m_fileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_driveList, &QComboBox::activated, this, &MediaBrowser::pickDrive);
    connect(m_folderList, &FolderList::folderOpened, this,
            [this](const QString& folder) { open(m_folderDrive, folder); });
}

void MediaBrowser::pointAt(const QString& folder) {
    const int drive = std::max(0, m_drives.driveOf(folder));
    m_driveList->setCurrentIndex(drive);
    m_folderDrive = drive;
    open(drive, folder);
}

void MediaBrowser::setPattern(const QString& pattern) {
    m_patternText = pattern;
    m_pattern = WildcardPattern(pattern);
    reread();
}

void MediaBrowser::reread() {
    if (!m_folder.isEmpty()) open(m_folderDrive, m_folder);
}

// A drive that cannot be read is not ready: the drive list goes on showing it, the other lists stay.
void MediaBrowser::pickDrive(int drive) {
    open(drive, m_drives.currentFolder(drive));
}

bool MediaBrowser::open(int drive, const QString& folder) {
    const std::optional<FolderContent> content = readFolder(folder, m_pattern);
    if (!content) return false;
    m_folderDrive = drive;
    m_folder = folder;
    m_drives.setCurrentFolder(drive, folder);
    m_folderList->showFolder(m_drives.list()[size_t(drive)].root, folder, content->folders);
    m_files->setStringList(content->files);
    return true;
}

QString MediaBrowser::focusedFile() const {
    return m_fileList->currentIndex().data().toString();
}

QStringList MediaBrowser::takeSelectedFiles() {
    QModelIndexList selected = m_fileList->selectionModel()->selectedRows();
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QStringList names;
    names.reserve(selected.size());
    for (const QModelIndex& index : selected) names.append(index.data().toString());
    m_fileList->clearSelection();
    return names;
}
