#pragma once

#include "entrylimit.h"
#include "track.h"

#include <QAbstractListModel>

// The playlist: its display names are what the view shows, its paths are kept beside them. Never sorted;
// entries stay in the order they were added or moved. Editing operations take the selected row (-1 for
// none) and return the row to select afterwards.
class PlaylistModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { PathRole = Qt::UserRole + 1 };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    // Entries are dragged to a place between others, never dropped onto one.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }

    const std::vector<Track>& tracks() const { return m_tracks; }
    const QString& pathAt(int row) const { return m_tracks[size_t(row)].path; }

    // Appends the tracks, then removes every earlier entry whose path repeats a later one ignoring letter
    // case. When the result would pass kMaxEntries, only the first tracks that fit are appended; returns
    // how many of them were.
    qsizetype add(const std::vector<Track>& tracks);
    // Takes the tracks of a list file as they stand.
    void replace(std::vector<Track> tracks);
    int remove(int row);
    int moveUp(int row);
    int moveDown(int row);
    // Moves the entry to stand before the one now at before (rowCount() for the end).
    int move(int row, int before);
    void clear();

private:
    void swapWithNext(int row);

    std::vector<Track> m_tracks;
};
