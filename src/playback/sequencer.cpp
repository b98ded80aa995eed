#include "sequencer.h"

#include "formats.h"

#include <algorithm>

Sequencer::Sequencer(Player& player, std::function<PlayOptions()> options, RandomSource& random)
    : m_player(player), m_options(std::move(options)), m_random(random) {}

std::vector<Track> playableTracks(const std::vector<Track>& playlist, const std::vector<Format>& formats) {
    const ActiveFormats active(formats);
    std::vector<Track> queue;
    std::copy_if(playlist.begin(), playlist.end(), std::back_inserter(queue),
                 [&](const Track& track) { return active.take(track.path); });
    return queue;
}

bool hasPlayableTrack(const std::vector<Track>& playlist, const std::vector<Format>& formats) {
    const ActiveFormats active(formats);
    return std::any_of(playlist.begin(), playlist.end(),
                       [&](const Track& track) { return active.take(track.path); });
}

bool Sequencer::playAll(const std::vector<Track>& playlist, const std::vector<Format>& formats) {
    if (playlist.empty()) return false;
    return playQueue(playableTracks(playlist, formats));
}

bool Sequencer::playQueue(std::vector<Track> queue) {
    m_queue = std::move(queue);
    m_current = -1;
    if (m_queue.empty()) return false;
    m_unheard.clear();
    m_lastFailure.reset();
    m_lastPlayed = m_queue;
    int first = 0;
    if (m_options().random) {
        m_random.seedFromClock();
        first = pick();
    }
    m_current = first;
    m_alone.reset();
    begin(m_queue[size_t(first)], true);
    return true;
}

void Sequencer::playOne(const Track& track, bool hideMainWindow) {
    m_alone = track;
    m_lastPlayed = {track};
    begin(track, hideMainWindow);
}

void Sequencer::begin(const Track& track, std::optional<bool> hideMainWindow) {
    m_next.reset();
    m_player.setFile(track.path);
    Q_EMIT trackStarting(track.displayName);
    if (hideMainWindow) Q_EMIT opening(*hideMainWindow);
    m_player.play();
}

void Sequencer::finish() {
    m_next.reset();
    m_queue.clear();
    m_current = -1;
    m_alone.reset();
    m_player.stop();
    Q_EMIT finished();
}

void Sequencer::previous() {
    if (m_alone) {
        begin(*m_alone, std::nullopt);
    } else if (m_current >= 0) {
        startQueued(std::max(0, m_current - 1));
    }
}

bool Sequencer::replay() {
    return playQueue(m_lastPlayed);
}

std::optional<Track> Sequencer::playing() const {
    if (m_alone) return m_alone;
    if (m_current < 0) return std::nullopt;
    return m_queue[size_t(m_current)];
}

bool Sequencer::hasNext() const {
    if (m_queue.empty()) return false;
    const PlayOptions options = m_options();
    return m_current != int(m_queue.size()) - 1 || options.continuo || options.random;
}

void Sequencer::optionsChanged() {
    if (!m_next || m_options() == m_nextChosenWith) return;
    // Begun already: the choice after it reads the options as they are now.
    if (!m_player.dequeue()) return;
    queueFollowing();
}

// Every start follows a load or the start of the track queued, which leave nothing queued in the player.
void Sequencer::trackStarted() {
    queueFollowing();
}

void Sequencer::queueFollowing() {
    m_nextChosenWith = m_options();
    m_next = following();
    if (*m_next) m_player.queue(m_queue[size_t(**m_next)].path);
}

// The track queued plays on from the end of the one before, which was heard.
void Sequencer::nextStarted() {
    if (!m_next || !*m_next) return;
    m_unheard.clear();
    m_lastFailure.reset();
    m_alone.reset();
    m_current = **m_next;
    m_next.reset();
    Q_EMIT trackStarting(m_queue[size_t(m_current)].displayName);
}

void Sequencer::endOfStream() {
    m_unheard.clear();
    m_lastFailure.reset();
    advance();
}

void Sequencer::playedNothing() {
    if (m_alone) {
        advance();
    } else {
        unheard(false);
    }
}

void Sequencer::couldNotPlay() {
    if (!m_alone) {
        unheard(true);
        return;
    }
    const QString path = m_alone->path;
    finish();
    Q_EMIT failed(path);
}

void Sequencer::unheard(bool failure) {
    if (m_current < 0 || m_current >= int(m_queue.size())) return;
    m_unheard.insert(m_current);
    if (failure) m_lastFailure = m_queue[size_t(m_current)].path;
    if (m_unheard.size() < m_queue.size()) {
        advance();
        return;
    }
    const std::optional<QString> lastFailure = m_lastFailure;
    finish();
    if (lastFailure) Q_EMIT failed(*lastFailure);
}

void Sequencer::playerUnavailable(const QString& reason) {
    finish();
    Q_EMIT unavailable(reason);
}

void Sequencer::advance() {
    m_alone.reset();
    if (const std::optional<int> next = following()) {
        startQueued(*next);
    } else {
        finish();
    }
}

std::optional<int> Sequencer::following() {
    const int count = int(m_queue.size());
    const PlayOptions options = m_options();
    if (count == 0) return std::nullopt;
    if (m_current != count - 1) return options.random ? pick() : m_current + 1;
    if (options.continuo) return 0;
    if (options.random) return pick();
    return std::nullopt;
}

void Sequencer::startQueued(int index) {
    m_current = index;
    begin(m_queue[size_t(index)], std::nullopt);
}

// Any index of the queue, the current one included.
int Sequencer::pick() {
    const int count = int(m_queue.size());
    return std::min(count - 1, int(m_random.next() * count));
}
