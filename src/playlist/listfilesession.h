#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class PlaylistModel;

// The playlist's list files: the current one (empty for a list never saved), a list file loaded in place
// of the playlist, the playlist saved, list files deleted, a new list begun. Files are read and written
// off the user-interface thread, one operation at a time: a new one, or an edit of the playlist while a
// load is under way, overtakes the one before, which then changes nothing and reports nothing. Each
// operation that runs its course ends with finished(), after the report of its failure, if it failed.
class ListFileSession : public QObject {
    Q_OBJECT
public:
    explicit ListFileSession(PlaylistModel& playlist);

    const QString& current() const { return m_current; }
    // The list file that was current at the end of the last run, to be loaded again.
    void restoreCurrent(const QString& path) { m_current = path; }
    bool isBusy() const { return m_busy; }

    // A list file that cannot be read, or is not one, changes nothing: the playlist, the current list
    // file and the caption stay.
    void load(const QString& path);
    // Runs then once the load under way, if there is one, is over: at once, when it has run its course,
    // or when it gives way to another operation or a new list (before that changes anything), an edit or
    // a cancel (after those). So what waits for a list file never acts on a later one.
    void whenLoaded(std::function<void()> then);
    // A file that cannot be written is left as it was, and so is everything else.
    void save(const QString& path);
    // Deleting the current list file forgets it; the playlist and the caption stay.
    void remove(const QString& path);
    void beginNewList();
    // Drops the operation under way: it changes nothing more, though a file being written may still be.
    void abandon();

Q_SIGNALS:
    // The main window's caption: "ZEB", or "ZEB - " and the list file last loaded or saved.
    void captionChanged(const QString& caption);
    void notAListFile(const QString& path);
    void saveFailed(const QString& path);
    // A list file has taken the playlist's place.
    void loaded();
    void removeFailed(const QString& path);
    void removed(const QString& path);
    void finished();
    // A file began or ceased to be read, written or deleted.
    void busyChanged(bool busy);

private:
    // Starts an operation in place of any under way; done runs with its result unless it is overtaken.
    template <typename Work, typename Done>
    void run(Work work, Done done);
    void becomeCurrent(const QString& path);
    void setBusy(bool busy);
    // Drops a load under way for what comes next, and runs at once what waited for it.
    void giveWay();
    void runWhenLoaded();

    PlaylistModel& m_playlist;
    QString m_current;
    bool m_busy = false;
    bool m_loading = false;
    quint64 m_operation = 0;
    std::vector<std::function<void()>> m_whenLoaded;
};
