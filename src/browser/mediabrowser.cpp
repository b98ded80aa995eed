#include "mediabrowser.h"

#include "background.h"
#include "busypointer.h"
#include "folderlist.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QListView>
#include <QStringListModel>

#include <algorithm>
#include <utility>

MediaBrowser::MediaBrowser(Drives drives, QComboBox* driveList, FolderList* folderList, QListView* fileList)
    : QObject(fileList),
      m_drives(std::move(drives)),
      m_driveList(driveList),
      m_folderList(folderList),
      m_fileList(fileList),
      m_files(new QStringListModel(this)),
      m_busy(new BusyPointer({folderList, fileList}, this)) {
    for (const Drives::Drive& drive : m_drives.list()) m_driveList->addItem(drive.label);
    m_fileList->setModel(m_files);
    m_fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_fileList->setUniformItemSizes(true);
    m_fileList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_driveList, &QComboBox::activated, this, &MediaBrowser::pickDrive);
    m_driveList->view()->window()->installEventFilter(this);
    connect(m_folderList, &FolderList::folderOpened, this, [this](const QString& folder) {
        read({m_folderRoot, folder, false});
    });
}

void MediaBrowser::pointAt(const QString& folder) {
    const int drive = std::max(0, m_drives.driveOf(folder));
    m_driveList->setCurrentIndex(drive);
    read({m_drives.list()[size_t(drive)].root, folder, false});
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
        read({m_folderRoot, m_folder, true});
    }
}

void MediaBrowser::pickDrive(int drive) {
    read({m_drives.list()[size_t(drive)].root, m_drives.currentFolder(drive), true});
}

void MediaBrowser::read(const Request& request) {
    m_pending = request;
    const quint64 id = ++m_requests;
    m_busy->setWaiting(true);
    auto work = [request, pattern = m_pattern]() -> std::optional<ReadFolder> {
        if (request.orNearestParent) return readNearestFolder(request.root, request.folder, pattern);
        std::optional<FolderContent> content = readFolder(request.folder, pattern);
        if (!content) return std::nullopt;
        return ReadFolder{request.folder, std::move(*content)};
    };
    runInBackground(this, std::move(work),
                    [this, id, root = request.root](const std::optional<ReadFolder>& folder) {
                        if (id != m_requests) return;
                        m_pending.reset();
                        m_busy->setWaiting(false);
                        if (folder) show(root, *folder);
                        Q_EMIT readFinished();
                    });
}

// A read whose drive has gone meanwhile was overtaken by the fall back to "/", and never shows.
void MediaBrowser::show(const QString& root, const ReadFolder& folder) {
    m_folderRoot = root;
    m_folder = folder.path;
    m_drives.setCurrentFolder(m_drives.indexOf(root), folder.path);
    m_folderList->showFolder(root, folder.path, folder.content.folders);
    m_files->setStringList(folder.content.files);
}

void MediaBrowser::followDrives(const std::vector<Drives::Drive>& now) {
    if (m_driveList->view()->isVisible()) {
        m_drivesWhenClosed = now;
        return;
    }
    showDrives(now);
}

// The drop-down list closes before the pick of a click on it is made, from the rows as they were: the
// drives that changed meanwhile are shown once that is over.
bool MediaBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && m_drivesWhenClosed) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (m_drivesWhenClosed) followDrives(*std::exchange(m_drivesWhenClosed, std::nullopt));
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void MediaBrowser::showDrives(const std::vector<Drives::Drive>& now) {
    const QString picked = pickedRoot();
    for (const int drive : m_drives.follow(now)) m_driveList->removeItem(drive);
    for (size_t drive = size_t(m_driveList->count()); drive < m_drives.list().size(); ++drive)
        m_driveList->addItem(m_drives.list()[drive].label);
    const bool showsAGoneDrive = !m_folder.isEmpty() && m_drives.indexOf(m_folderRoot) < 0;
    if (m_drives.indexOf(picked) < 0 || showsAGoneDrive) {
        m_driveList->setCurrentIndex(0);
        pickDrive(0);
    } else {
        m_driveList->setCurrentIndex(m_drives.indexOf(picked));
    }
}

QString MediaBrowser::pickedRoot() const {
    const int picked = m_driveList->currentIndex();
    return picked < 0 ? QString() : m_drives.list()[size_t(picked)].root;
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
