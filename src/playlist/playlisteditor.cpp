#include "playlisteditor.h"

#include "listfilesession.h"
#include "playlistmodel.h"

PlaylistEditor::PlaylistEditor(PlaylistModel& playlist, ListFileSession& listFiles)
    : m_playlist(playlist), m_listFiles(listFiles), m_selection(&playlist) {
    connect(&m_selection, &QItemSelectionModel::selectionChanged, this,
            [this] { Q_EMIT entrySelected(selected()); });
}

int PlaylistEditor::selected() const {
    const QModelIndexList rows = m_selection.selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void PlaylistEditor::add(const std::vector<Track>& tracks) {
    const qsizetype added = m_playlist.add(tracks);
    if (added < qsizetype(tracks.size())) Q_EMIT notAllAdded(qsizetype(tracks.size()), added);
}

void PlaylistEditor::removeSelected() {
    const int row = selected();
    if (row >= 0) select(m_playlist.remove(row));
}

void PlaylistEditor::moveSelectedUp() {
    const int row = selected();
    if (row > 0) select(m_playlist.moveUp(row));
}

void PlaylistEditor::moveSelectedDown() {
    const int row = selected();
    if (row >= 0 && row < m_playlist.rowCount() - 1) select(m_playlist.moveDown(row));
}

void PlaylistEditor::move(int row, int before) {
    select(m_playlist.move(row, before));
}

void PlaylistEditor::beginNewList() {
    m_listFiles.beginNewList();
}

void PlaylistEditor::select(int row) {
    if (row < 0) return;
    m_selection.setCurrentIndex(m_playlist.index(row), QItemSelectionModel::ClearAndSelect);
    Q_EMIT entrySelected(row);
}
