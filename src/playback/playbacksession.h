#pragma once

#include "playerbackend.h"
#include "randomsource.h"
#include "sequencer.h"
#include "visore.h"

#include <QObject>

class PlayerModule;

// Playback as the main window sees it: the viewer, and the sequencer that plays through the viewer's
// player, wired to each other. The main window hears when to hide and show itself, and what to tell.
class PlaybackSession : public QObject {
    Q_OBJECT
public:
    PlaybackSession(PlayerModule& playerModule, const PlayerBackend::Options& playerOptions,
                    std::function<PlayOptions()> options);

    Visore& visore() { return m_visore; }
    const Sequencer& sequencer() const { return m_sequencer; }

    // False, with nothing started, when no track of the playlist has an active format.
    bool playAll(const std::vector<Track>& playlist, const std::vector<Format>& formats);
    // Every track, whatever its format, as play-all plays the playlist's.
    bool playQueue(std::vector<Track> queue);
    void playOne(const Track& track, bool hideMainWindow);
    // The player stops and the viewer hides; the queue stays as it is.
    void stop();

    // While the viewer is open, as the media controls ask: the end of playback, as "Esci"; the track after,
    // as if this one had ended; the track before.
    bool isOpen() const;
    void leave();
    void next();
    void previous();
    // With the viewer closed: the queue, or the file alone, that played last, again.
    bool canReplay() const;
    void replay();
    // Continuo or Random has changed: the track queued to come next is chosen again.
    void optionsChanged();

Q_SIGNALS:
    void hideMainWindow();
    void showMainWindow();
    // Nothing of a pass of the queue could be played, or the one file played alone: the last file that
    // failed.
    void failed(const QString& path);
    // The player module cannot be loaded.
    void unavailable(const QString& reason);

private:
    ClockSeededRandom m_random;
    Visore m_visore;
    Sequencer m_sequencer;
};
