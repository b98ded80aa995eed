#include "playlistview.h"

#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

namespace {

QStringList localFiles(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) paths.append(url.toLocalFile());
    }
    return paths;
}

// Files from outside are copied into the playlist, never moved away from where they are.
void acceptFiles(QDropEvent* event) {
    if (localFiles(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

}  // namespace

PlaylistView::PlaylistView(QWidget* parent) : QListView(parent) {
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragDropOverwriteMode(false);
    setDropIndicatorShown(true);
}

bool PlaylistView::isOwnDrag(const QDropEvent* event) const {
    return event->source() == this;
}

// The drop moves the entry itself: whatever the drag reports afterwards removes nothing.
void PlaylistView::startDrag(Qt::DropActions) {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    auto* drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(rows));
    drag->exec(Qt::MoveAction);
}

void PlaylistView::dragEnterEvent(QDragEnterEvent* event) {
    if (isOwnDrag(event)) {
        QListView::dragEnterEvent(event);
    } else {
        acceptFiles(event);
    }
}

void PlaylistView::dragMoveEvent(QDragMoveEvent* event) {
    if (isOwnDrag(event)) {
        QListView::dragMoveEvent(event);
    } else {
        acceptFiles(event);
    }
}

void PlaylistView::dropEvent(QDropEvent* event) {
    if (!isOwnDrag(event)) {
        acceptFiles(event);
        if (event->isAccepted()) Q_EMIT filesDropped(localFiles(event->mimeData()));
        return;
    }
    const QModelIndexList rows = selectionModel()->selectedRows();
    event->setDropAction(Qt::MoveAction);
    event->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (!rows.isEmpty()) Q_EMIT entryDropped(rows.first().row(), rowBefore(event->position().toPoint()));
}

int PlaylistView::rowBefore(QPoint point) const {
    const QModelIndex under = indexAt(point);
    if (!under.isValid()) return model()->rowCount();
    return point.y() < visualRect(under).center().y() ? under.row() : under.row() + 1;
}
