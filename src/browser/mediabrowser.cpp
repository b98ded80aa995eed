#include "mediabrowser.h"

#include "background.h"
#include "folderlist.h"

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
    connect(m_folderList, &FolderList::folderOpened, this, [this](const QString& folder) {
        read({m_folderDrive, folder, false});
    });
}

void MediaBrowser::pointAt(const QString& folder) {
    const int drive = std::max(0, m_drives.driveOf(folder));
    m_driveList->setCurrentIndex(drive);
    read({drive, folder, false});
}

void MediaBrowser::setPattern(const QString& pattern) {
    m_patternText = pattern;
    m_pattern = WildcardPattern(pattern);
    reread();
}

// A read under way is asked for again, so that it takes the latest pattern.
void MediaBrowser::reread() {
    if (m_pending) {
        read(*m_pending);
    } else if (!m_folder.isEmpty()) {
        read({m_folderDrive, m_folder, true});
    }
}

void MediaBrowser::pickDrive(int drive) {
    read({drive, m_drives.currentFolder(drive), true});
}

void MediaBrowser::read(const Request& request) {
    m_pending = request;
    const quint64 id = ++m_requests;
    for (QWidget* list : std::initializer_list<QWidget*>{m_folderList, m_fileList})
        list->setCursor(Qt::BusyCursor);
    const QString root = m_drives.list()[size_t(request.drive)].root;
    auto work = [root, request, pattern = m_pattern]() -> std::optional<ReadFolder> {
        if (request.orNearestParent) return readNearestFolder(root, request.folder, pattern);
        std::optional<FolderContent> content = readFolder(request.folder, pattern);
        if (!content) return std::nullopt;
        return ReadFolder{request.folder, std::move(*content)};
    };
    runInBackground(this, std::move(work),
                    [this, id, drive = request.drive](const std::optional<ReadFolder>& folder) {
                        if (id != m_requests) return;
                        m_pending.reset();
                        for (QWidget* list : std::initializer_list<QWidget*>{m_folderList, m_fileList})
                            list->unsetCursor();
                        if (folder) show(drive, *folder);
                        Q_EMIT readFinished();
                    });
}

void MediaBrowser::show(int drive, const ReadFolder& folder) {
    m_folderDrive = drive;
    m_folder = folder.path;
    m_drives.setCurrentFolder(drive, folder.path);
    m_folderList->showFolder(m_drives.list()[size_t(drive)].root, folder.path, folder.content.folders);
    m_files->setStringList(folder.content.files);
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
