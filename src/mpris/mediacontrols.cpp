#include "mediacontrols.h"

#include "fileuri.h"
#include "mediaplayer.h"
#include "mprishost.h"
#include "playbacksession.h"
#include "settingsmodel.h"

#include <QUrl>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMicroseconds = 1e6;

qlonglong microseconds(double seconds) {
    return qlonglong(std::llround(seconds * kMicroseconds));
}

}  // namespace

MediaControls::MediaControls(PlaybackSession& playback, MprisHost& host, SettingsModel& settings)
    : m_playback(playback), m_host(host), m_settings(settings) {
    MediaPlayer& player = m_playback.visore().player();
    connect(&player, &MediaPlayer::changed, this, &MediaControls::changed);
    connect(&m_settings, &SettingsModel::continuoChanged, this, &MediaControls::changed);
    connect(&m_settings, &SettingsModel::randomChanged, this, &MediaControls::changed);
    connect(&player, &MediaPlayer::seeked, this,
            [this](double seconds) { Q_EMIT seeked(microseconds(seconds)); });
}

// Nothing plays while the viewer is closed, nor once its track has stopped or failed.
bool MediaControls::isStopped() const {
    const PlayerState::Shown shown = m_playback.visore().player().state().shown();
    return !m_playback.isOpen() || shown == PlayerState::Shown::Stopped ||
           shown == PlayerState::Shown::Failed;
}

QString MediaControls::playbackStatus() const {
    if (isStopped()) return QStringLiteral("Stopped");
    return m_playback.visore().player().state().pressPauses() ? QStringLiteral("Playing")
                                                              : QStringLiteral("Paused");
}

QDBusObjectPath MediaControls::trackId() const {
    return QDBusObjectPath(
        QStringLiteral("/org/zeb/track/%1").arg(m_playback.visore().player().state().loadNumber()));
}

QVariantMap MediaControls::metadata() const {
    const std::optional<Track> track = m_playback.sequencer().playing();
    if (!m_playback.isOpen() || !track) return {};
    const PlayerState& state = m_playback.visore().player().state();
    const TrackTags& tags = state.tags();
    QVariantMap metadata{
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(trackId())},
        {QStringLiteral("xesam:title"), tags.title.isEmpty() ? track->displayName : tags.title},
        {QStringLiteral("xesam:url"), QUrl::fromLocalFile(track->path).toString(QUrl::FullyEncoded)},
    };
    if (!tags.artist.isEmpty()) metadata.insert(QStringLiteral("xesam:artist"), QStringList{tags.artist});
    if (!tags.album.isEmpty()) metadata.insert(QStringLiteral("xesam:album"), tags.album);
    if (state.duration() > 0) metadata.insert(QStringLiteral("mpris:length"), microseconds(state.duration()));
    return metadata;
}

qlonglong MediaControls::position() const {
    return microseconds(m_playback.visore().player().state().position());
}

double MediaControls::volume() const {
    return m_playback.visore().player().volume() / 100.0;
}

void MediaControls::setVolume(double volume) {
    m_playback.visore().player().setVolume(int(std::lround(std::clamp(volume, 0.0, 1.0) * 100)));
}

bool MediaControls::canPlay() const {
    return m_playback.isOpen() || m_host.canPlayPlaylist() || m_playback.canReplay();
}

bool MediaControls::canGoNext() const {
    return m_playback.isOpen() && m_playback.sequencer().hasNext();
}

bool MediaControls::canGoPrevious() const {
    return m_playback.isOpen() && m_playback.sequencer().playing().has_value();
}

// Once the track has started: a file still loading has no position to go from.
bool MediaControls::canSeek() const {
    return !isStopped() && m_playback.visore().player().state().shown() != PlayerState::Shown::Loading;
}

void MediaControls::play() {
    if (m_playback.isOpen()) {
        m_playback.visore().player().play();
    } else if (m_host.canPlayPlaylist()) {
        m_host.playPlaylist();
    } else {
        m_playback.replay();
    }
}

// The length may come just after the start, and the tags with it.
bool MediaControls::isOpeningTrack() const {
    const PlayerState& state = m_playback.visore().player().state();
    const PlayerState::Shown shown = state.shown();
    const bool started = shown == PlayerState::Shown::Playing || shown == PlayerState::Shown::Paused;
    return m_playback.isOpen() &&
           (shown == PlayerState::Shown::Loading || (started && state.duration() <= 0));
}

QString MediaControls::loopStatus() const {
    return m_settings.continuo() ? QStringLiteral("Playlist") : QStringLiteral("None");
}

void MediaControls::setLoopStatus(const QString& status) {
    if (status != QStringLiteral("Playlist") && status != QStringLiteral("None")) return;
    m_settings.setContinuo(status == QStringLiteral("Playlist"));
}

bool MediaControls::shuffle() const {
    return m_settings.random();
}

void MediaControls::setShuffle(bool on) {
    m_settings.setRandom(on);
}

void MediaControls::pause() {
    m_playback.visore().player().pause();
}

void MediaControls::playPause() {
    if (m_playback.visore().player().state().pressPauses()) {
        pause();
    } else {
        play();
    }
}

void MediaControls::stop() {
    m_playback.leave();
}

void MediaControls::next() {
    m_playback.next();
}

void MediaControls::previous() {
    m_playback.previous();
}

void MediaControls::seek(qlonglong offset) {
    if (!canSeek()) return;
    const PlayerState& state = m_playback.visore().player().state();
    const double target = state.position() + double(offset) / kMicroseconds;
    if (state.duration() > 0 && target > state.duration()) {
        next();
    } else {
        m_playback.visore().player().seek(target);
    }
}

void MediaControls::setPosition(const QDBusObjectPath& track, qlonglong position) {
    const double seconds = double(position) / kMicroseconds;
    const double duration = m_playback.visore().player().state().duration();
    if (!canSeek() || track != trackId() || seconds < 0 || (duration > 0 && seconds > duration)) return;
    m_playback.visore().player().seek(seconds);
}

bool MediaControls::openUri(const QString& uri) {
    const std::optional<QString> path = localPathOfUri(uri);
    if (path) m_host.openFile(*path);
    return path.has_value();
}
