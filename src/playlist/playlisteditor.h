#pragma once

#include "track.h"

#include <QItemSelectionModel>
#include <QObject>

class ListFileSession;
class PlaylistModel;

// The playlist's editing, as the buttons below it do it: each operation acts on the selected entry and
// then selects the entry that the rules give, which is told so that its path can be shown.
class PlaylistEditor : public QObject {
    Q_OBJECT
public:
    PlaylistEditor(PlaylistModel& playlist, ListFileSession& listFiles);

    PlaylistModel& playlist() { return m_playlist; }
    // The playlist's selection, which its view shows and changes.
    QItemSelectionModel& selection() { return m_selection; }
    // -1 for none.
    int selected() const;

    // Appends the tracks, removing repeated paths even when nothing is added (a list file may hold some).
    void add(const std::vector<Track>& tracks);
    void removeSelected();
    void moveSelectedUp();
    void moveSelectedDown();
    // The entry at row goes before the one at before, as when it is dragged there.
    void move(int row, int before);
    void beginNewList();

Q_SIGNALS:
    // An operation selected the entry, or the selection changed (-1 for none).
    void entrySelected(int row);
    // The playlist had no room for all of the tracks offered.
    void notAllAdded(qsizetype offered, qsizetype added);

private:
    void select(int row);

    PlaylistModel& m_playlist;
    ListFileSession& m_listFiles;
    QItemSelectionModel m_selection;
};
