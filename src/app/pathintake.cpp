#include "pathintake.h"

#include "background.h"
#include "listfilesession.h"

PathIntake::PathIntake(ListFileSession& listFiles, std::function<QString()> pattern)
    : m_listFiles(listFiles), m_pattern(std::move(pattern)) {}

void PathIntake::take(const QStringList& paths, bool enqueue) {
    m_waiting.push_back({paths, enqueue});
    if (m_waiting.size() == 1) sortOutNext();
}

void PathIntake::sortOutNext() {
    const Paths& next = m_waiting.front();
    runInBackground(
        this,
        [paths = next.paths, pattern = WildcardPattern(m_pattern())] { return sortOutPaths(paths, pattern); },
        [this, enqueue = next.enqueue](const OpenedPaths& opened) {
            carryOut(opened, enqueue);
            m_listFiles.whenLoaded([this] {
                m_waiting.pop_front();
                if (!m_waiting.empty()) sortOutNext();
            });
        });
}

// Several list files would each take the place of the one before: the last one is loaded. Files added
// while a list file loads would overtake the load: they wait for it.
void PathIntake::carryOut(const OpenedPaths& opened, bool enqueue) {
    if (m_closed) return;
    for (const QString& path : opened.missing) Q_EMIT missing(path);
    for (const QString& address : opened.refused) Q_EMIT notLocal(address);
    if (!enqueue) Q_EMIT toPlay(opened);
    if (!opened.listFiles.isEmpty()) m_listFiles.load(opened.listFiles.last());
    if (!enqueue || opened.files.empty()) return;
    std::vector<Track> added;
    for (const OpenedPaths::File& file : opened.files) added.push_back(file.track);
    m_listFiles.whenLoaded([this, added] { Q_EMIT toAdd(added); });
}
