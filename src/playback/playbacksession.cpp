#include "playbacksession.h"

#include "mediaplayer.h"

PlaybackSession::PlaybackSession(PlayerModule& playerModule, const PlayerBackend::Options& playerOptions,
                                 std::function<PlayOptions()> options)
    : m_visore(playerModule, playerOptions), m_sequencer(m_visore.player(), std::move(options), m_random) {
    MediaPlayer& player = m_visore.player();
    connect(&player, &MediaPlayer::endOfStream, &m_sequencer, &Sequencer::endOfStream);
    connect(&player, &MediaPlayer::playedNothing, &m_sequencer, &Sequencer::playedNothing);
    connect(&player, &MediaPlayer::couldNotPlay, &m_sequencer, &Sequencer::couldNotPlay);
    connect(&player, &MediaPlayer::unavailable, &m_sequencer, &Sequencer::playerUnavailable);
    connect(&player, &MediaPlayer::started, &m_sequencer, &Sequencer::trackStarted);
    connect(&player, &MediaPlayer::nextStarted, &m_sequencer, &Sequencer::nextStarted);
    connect(&m_visore, &Visore::leaveRequested, &m_sequencer, &Sequencer::finish);
    connect(&m_sequencer, &Sequencer::trackStarting, &m_visore, &Visore::showTrackName);
    connect(&m_sequencer, &Sequencer::opening, this, [this](bool hideMain) {
        if (hideMain) Q_EMIT hideMainWindow();
        m_visore.show();
    });
    connect(&m_sequencer, &Sequencer::finished, this, [this] {
        m_visore.hide();
        Q_EMIT showMainWindow();
    });
    connect(&m_sequencer, &Sequencer::failed, this, &PlaybackSession::failed);
    connect(&m_sequencer, &Sequencer::unavailable, this, &PlaybackSession::unavailable);
}

bool PlaybackSession::playAll(const std::vector<Track>& playlist, const std::vector<Format>& formats) {
    return m_sequencer.playAll(playlist, formats);
}

bool PlaybackSession::playQueue(std::vector<Track> queue) {
    return m_sequencer.playQueue(std::move(queue));
}

void PlaybackSession::playOne(const Track& track, bool hideMainWindow) {
    m_sequencer.playOne(track, hideMainWindow);
}

void PlaybackSession::stop() {
    m_visore.player().stop();
    m_visore.hide();
}

bool PlaybackSession::isOpen() const {
    return m_visore.isVisible();
}

void PlaybackSession::leave() {
    if (isOpen()) m_sequencer.finish();
}

void PlaybackSession::next() {
    if (isOpen()) m_sequencer.endOfStream();
}

void PlaybackSession::previous() {
    if (isOpen()) m_sequencer.previous();
}

bool PlaybackSession::canReplay() const {
    return !isOpen() && m_sequencer.canReplay();
}

void PlaybackSession::optionsChanged() {
    m_sequencer.optionsChanged();
}

void PlaybackSession::replay() {
    if (canReplay()) m_sequencer.replay();
}
