#pragma once

#include "openedpaths.h"

#include <QObject>

#include <deque>
#include <functional>

class ListFileSession;

// Paths handed to ZEB from outside its browser: named on the command line, handed over by another ZEB,
// dropped on the playlist, opened through the desktop's media panel. One set at a time, each carried out
// whole (its list file loaded, its files added) before the next is looked at, so that they reach the
// playlist in the order they were handed over and files come with the list file they came with. The file
// systems are looked at off this thread.
class PathIntake : public QObject {
    Q_OBJECT
public:
    // A folder stands for the files that match the pattern in force when it is looked at.
    PathIntake(ListFileSession& listFiles, std::function<QString()> pattern);

    // A list file is loaded as the chooser loads one; the media files, a folder's files among them, are to
    // be played at once as a queue of their own, or with enqueue added to the playlist after the list file
    // given with them has loaded.
    void take(const QStringList& paths, bool enqueue);
    // True while paths handed over are looked at or carried out.
    bool isBusy() const { return !m_waiting.empty(); }
    // Paths that arrive from now on, or are being looked at, come too late.
    void close() { m_closed = true; }

Q_SIGNALS:
    void missing(const QString& path);
    void notLocal(const QString& address);
    void toPlay(const OpenedPaths& opened);
    void toAdd(const std::vector<Track>& tracks);

private:
    void sortOutNext();
    void carryOut(const OpenedPaths& opened, bool enqueue);

    ListFileSession& m_listFiles;
    std::function<QString()> m_pattern;
    struct Paths {
        QStringList paths;
        bool enqueue;
    };
    // In order; the first is being looked at.
    std::deque<Paths> m_waiting;
    bool m_closed = false;
};
