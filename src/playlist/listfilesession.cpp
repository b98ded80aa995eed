#include "listfilesession.h"

#include "background.h"
#include "listfile.h"
#include "playlistmodel.h"

#include <QFile>

ListFileSession::ListFileSession(PlaylistModel& playlist) : QObject(&playlist), m_playlist(playlist) {
    // The user's edits overtake a load under way: what they did is not to be thrown away when it ends.
    const auto edited = [this] {
        if (m_loading) abandon();
    };
    connect(&m_playlist, &PlaylistModel::rowsInserted, this, edited);
    connect(&m_playlist, &PlaylistModel::rowsRemoved, this, edited);
    connect(&m_playlist, &PlaylistModel::rowsMoved, this, edited);
    connect(&m_playlist, &PlaylistModel::modelReset, this, edited);
}

template <typename Work, typename Done>
void ListFileSession::run(Work work, Done done) {
    giveWay();
    const quint64 operation = ++m_operation;
    setBusy(true);
    runInBackground(this, std::move(work), [this, operation, done = std::move(done)](const auto& result) {
        if (operation != m_operation) return;
        m_loading = false;
        setBusy(false);
        done(result);
        runWhenLoaded();
        Q_EMIT finished();
    });
}

void ListFileSession::load(const QString& path) {
    run([path] { return readListFile(path); },
        [this, path](const std::optional<std::vector<Track>>& tracks) {
            if (!tracks) {
                Q_EMIT notAListFile(path);
                return;
            }
            m_playlist.replace(*tracks);
            becomeCurrent(path);
            Q_EMIT loaded();
        });
    m_loading = true;
}

void ListFileSession::save(const QString& path) {
    run([path, tracks = m_playlist.tracks()] { return writeListFile(path, tracks); },
        [this, path](bool written) {
            if (written) {
                becomeCurrent(path);
            } else {
                Q_EMIT saveFailed(path);
            }
        });
}

void ListFileSession::remove(const QString& path) {
    run([path] { return QFile::remove(path); },
        [this, path](bool removed) {
            if (!removed) {
                Q_EMIT removeFailed(path);
                return;
            }
            if (m_current.compare(path, Qt::CaseInsensitive) == 0) m_current.clear();
            Q_EMIT this->removed(path);
        });
}

void ListFileSession::beginNewList() {
    giveWay();
    abandon();
    m_playlist.clear();
    m_current.clear();
    Q_EMIT captionChanged(QStringLiteral("ZEB"));
}

// An edit abandons a load from within the playlist's notice of it: what waited for the load runs after.
void ListFileSession::abandon() {
    ++m_operation;
    m_loading = false;
    setBusy(false);
    if (!m_whenLoaded.empty())
        QMetaObject::invokeMethod(this, &ListFileSession::runWhenLoaded, Qt::QueuedConnection);
}

void ListFileSession::giveWay() {
    if (!m_loading) return;
    ++m_operation;
    m_loading = false;
    setBusy(false);
    runWhenLoaded();
}

void ListFileSession::whenLoaded(std::function<void()> then) {
    if (m_loading) {
        m_whenLoaded.push_back(std::move(then));
    } else {
        then();
    }
}

void ListFileSession::runWhenLoaded() {
    if (m_loading) return;
    for (const std::function<void()>& then : std::exchange(m_whenLoaded, {})) then();
}

void ListFileSession::setBusy(bool busy) {
    if (std::exchange(m_busy, busy) != busy) Q_EMIT busyChanged(busy);
}

void ListFileSession::becomeCurrent(const QString& path) {
    m_current = path;
    Q_EMIT captionChanged(QStringLiteral("ZEB - ") + path);
}
