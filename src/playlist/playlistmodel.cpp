#include "playlistmodel.h"

#include <algorithm>

int PlaylistModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_tracks.size());
}

QVariant PlaylistModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const Track& track = m_tracks[size_t(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return track.displayName;
        case PathRole:
            return track.path;
        default:
            return {};
    }
}

Qt::ItemFlags PlaylistModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::ItemIsDropEnabled;
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

qsizetype PlaylistModel::add(const std::vector<Track>& tracks) {
    std::vector<Track> combined = m_tracks;
    combined.insert(combined.end(), tracks.begin(), tracks.end());
    DistinctTracks distinct = withoutRepeatedPaths(std::move(combined), kMaxEntries);
    const qsizetype fitting = qsizetype(distinct.taken - m_tracks.size());
    if (distinct.tracks.size() == distinct.taken) {
        // Nothing repeated: the rows are only appended, and the view keeps its selection.
        if (fitting == 0) return 0;
        beginInsertRows({}, rowCount(), rowCount() + int(fitting) - 1);
        m_tracks = std::move(distinct.tracks);
        endInsertRows();
    } else {
        beginResetModel();
        m_tracks = std::move(distinct.tracks);
        endResetModel();
    }
    return fitting;
}

int PlaylistModel::remove(int row) {
    if (row < 0 || row >= rowCount()) return -1;
    beginRemoveRows({}, row, row);
    m_tracks.erase(m_tracks.begin() + row);
    endRemoveRows();
    // The entry above takes the selection; after the first one, the entry that moved into its place.
    if (row > 0) return row - 1;
    return m_tracks.empty() ? -1 : 0;
}

int PlaylistModel::moveUp(int row) {
    if (row <= 0 || row >= rowCount()) return row;
    swapWithNext(row - 1);
    return row - 1;
}

int PlaylistModel::moveDown(int row) {
    if (row < 0 || row >= rowCount() - 1) return row;
    swapWithNext(row);
    return row + 1;
}

int PlaylistModel::move(int row, int before) {
    if (row < 0 || row >= rowCount() || before < 0 || before > rowCount()) return row;
    if (before == row || before == row + 1) return row;
    beginMoveRows({}, row, row, {}, before);
    const auto entry = m_tracks.begin() + row;
    if (before > row) {
        std::rotate(entry, entry + 1, m_tracks.begin() + before);
    } else {
        std::rotate(m_tracks.begin() + before, entry, entry + 1);
    }
    endMoveRows();
    return before > row ? before - 1 : before;
}

void PlaylistModel::swapWithNext(int row) {
    beginMoveRows({}, row + 1, row + 1, {}, row);
    std::swap(m_tracks[size_t(row)], m_tracks[size_t(row) + 1]);
    endMoveRows();
}

void PlaylistModel::clear() {
    replace({});
}

void PlaylistModel::replace(std::vector<Track> tracks) {
    beginResetModel();
    m_tracks = std::move(tracks);
    endResetModel();
}
