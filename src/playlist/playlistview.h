#pragma once

#include <QListView>

// The playlist's list. An entry is dragged to a new place in it; files and folders dropped on it from a
// file manager (local files only) are handed on. The list changes nothing itself: it says what was asked.
class PlaylistView : public QListView {
    Q_OBJECT
public:
    explicit PlaylistView(QWidget* parent);

Q_SIGNALS:
    // Paths of the files and folders dropped, in the drop's order.
    void filesDropped(const QStringList& paths);
    // The entry at row is to stand before the one at before (the row count for the end).
    void entryDropped(int row, int before);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Where an entry dropped at the point goes: before the entry under it, or after it from its middle on.
    int rowBefore(QPoint point) const;
    bool isOwnDrag(const QDropEvent* event) const;
};
