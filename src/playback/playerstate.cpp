#include "playerstate.h"

#include "playerbackend.h"

#include <QFileInfo>
#include <QTime>

#include <algorithm>
#include <utility>

namespace {

QString clock(double seconds) {
    const QTime time = QTime(0, 0).addMSecs(qint64(seconds * 1000));
    return time.toString(seconds >= 3600 ? QStringLiteral("h:mm:ss") : QStringLiteral("m:ss"));
}

}  // namespace

void PlayerState::setFile(const QString& path) {
    m_queued.clear();
    startLoading(path);
    // The player loads a file paused.
    m_paused = true;
    if (m_backend) m_backend->load(path);
}

void PlayerState::startLoading(const QString& path) {
    m_path = path;
    m_position = m_duration = 0;
    m_tags = {};
    ++m_loads;
    m_phase = Phase::Loading;
}

void PlayerState::queue(const QString& path) {
    if (!m_backend) return;
    m_queued = path;
    m_backend->queue(path);
}

bool PlayerState::dequeue() {
    if (m_queued.isEmpty()) return true;
    if (!m_backend->dequeue()) return false;
    m_queued.clear();
    return true;
}

// Playing on, not paused, from the end of the file before.
void PlayerState::queuedStarted() {
    startLoading(std::exchange(m_queued, QString()));
}

// A file that has ended, or was stopped, plays again from its start.
void PlayerState::play() {
    if (!m_backend || m_path.isEmpty()) return;
    if (m_phase == Phase::Stopped || m_phase == Phase::Failed) setFile(m_path);
    setPaused(false);
}

void PlayerState::togglePause() {
    if (pressPauses()) {
        setPaused(true);
    } else {
        play();
    }
}

void PlayerState::pause() {
    if (pressPauses()) setPaused(true);
}

double PlayerState::seek(double seconds) {
    m_position = std::max(0.0, m_duration > 0 ? std::min(seconds, m_duration) : seconds);
    if (m_backend) m_backend->seek(m_position);
    return m_position;
}

void PlayerState::stop() {
    if (m_backend) m_backend->stop();
    m_queued.clear();
    m_phase = Phase::Stopped;
    m_position = 0;
}

bool PlayerState::playbackRestarted() {
    if (m_phase != Phase::Loading) return false;
    m_phase = Phase::Started;
    return true;
}

void PlayerState::fileEnded(TrackEnd end, const QString& error) {
    m_phase = end == TrackEnd::CouldNotPlay ? Phase::Failed : Phase::Stopped;
    m_error = error;
}

void PlayerState::setPaused(bool paused) {
    m_paused = paused;
    m_backend->setPaused(paused);
}

PlayerState::Shown PlayerState::shown() const {
    switch (m_phase) {
        case Phase::Stopped:
            return Shown::Stopped;
        case Phase::Loading:
            return Shown::Loading;
        case Phase::Started:
            return m_paused ? Shown::Paused : Shown::Playing;
        case Phase::Failed:
            return Shown::Failed;
    }
    return Shown::Stopped;
}

bool PlayerState::pressPauses() const {
    return (m_phase == Phase::Loading || m_phase == Phase::Started) && !m_paused;
}

// "Artist – Title" when the tags tell both, the title alone when they tell only it, else the file's name.
QString PlayerState::shownName() const {
    if (m_tags.title.isEmpty()) return QFileInfo(m_path).fileName();
    if (m_tags.artist.isEmpty()) return m_tags.title;
    return QStringLiteral("%1 – %2").arg(m_tags.artist, m_tags.title);
}

QString PlayerState::statusText() const {
    QString state;
    switch (shown()) {
        case Shown::Stopped:
            state = QStringLiteral("Fermo");
            break;
        case Shown::Loading:
            state = QStringLiteral("Caricamento");
            break;
        case Shown::Playing:
            state = QStringLiteral("In riproduzione");
            break;
        case Shown::Paused:
            state = QStringLiteral("In pausa");
            break;
        case Shown::Failed:
            state = QStringLiteral("Errore: %1").arg(m_error);
            break;
    }
    const QString name = shownName();
    const QString times = QStringLiteral("%1 / %2").arg(clock(m_position), clock(m_duration));
    return name.isEmpty() ? state : QStringLiteral("%1 — %2 — %3").arg(name, times, state);
}
