#pragma once

#include "player.h"
#include "randomsource.h"
#include "settingsrecord.h"
#include "track.h"

#include <QObject>

#include <functional>
#include <optional>
#include <set>

struct PlayOptions {
    bool continuo = false;
    bool random = false;
    bool operator==(const PlayOptions&) const = default;
};

// The tracks of the playlist that play-all plays: those of a ticked format, in their order.
std::vector<Track> playableTracks(const std::vector<Track>& playlist, const std::vector<Format>& formats);
// Whether there is one, without gathering them: the media panel asks on every change it announces.
bool hasPlayableTrack(const std::vector<Track>& playlist, const std::vector<Format>& formats);

// Plays a queue of tracks, or one file, through the player. Play-all builds the queue from the playlist's
// tracks of active formats and starts at index 0, or at a random one with Random on. At each end of
// stream the next index is the following one, or a random pick (which may be the track just ended) with
// Random on; after the last, index 0 with Continuo on, a pick with Random on, or else the end. The options
// are read at the moment each choice is made.
//
// The choice of the track after is made as soon as a track has begun, and that track is queued in the
// player, which goes on to it without a gap; when the options change before it begins, the choice is made
// again.
//
// A track that cannot be played counts as ended, and so does one that played nothing (a file of no
// samples), which is not reported. When a whole pass of the queue has gone unheard, every track failed or
// empty since the last one that played, playback finishes, and failed() names the last file that failed,
// if one did; so does it when the one file played alone fails.
class Sequencer : public QObject {
    Q_OBJECT
public:
    Sequencer(Player& player, std::function<PlayOptions()> options, RandomSource& random);

    // False, with nothing started, when no track of the playlist has an active format.
    bool playAll(const std::vector<Track>& playlist, const std::vector<Format>& formats);
    // Plays the tracks as play-all plays the playlist's, every one of them whatever its format; false, with
    // nothing started and the queue emptied, when there are none.
    bool playQueue(std::vector<Track> queue);
    // Plays one file outside the queue, which it leaves as it is.
    void playOne(const Track& track, bool hideMainWindow);
    // Empties the queue, stops the player and tells that playback has ended (finished()).
    void finish();
    // The track before in the queue; the first track, and a file played alone, start again.
    void previous();
    // Plays again, as a queue, the queue or the file alone that played last; false when none has.
    bool replay();
    bool canReplay() const { return !m_lastPlayed.empty(); }

    // Continuo or Random has changed.
    void optionsChanged();

    // The player's notifications, passed on by its owner, each about the file set or begun last:
    // - track started: sound or picture has begun to come out, of a file set or queued;
    // - next started: the file queued has begun, after the one before played to its end, which tells
    //   nothing of its own;
    // - end of stream: the file has played to its end; a file that was replaced or stopped never tells it;
    // - could not play: the file cannot be played (missing, not a media file); it tells nothing else;
    // - played nothing: the file has played to its end, but held nothing to hear or see (no samples);
    // - player unavailable: there is no player at all (its module cannot be loaded); nothing plays.
    void trackStarted();
    void nextStarted();
    void endOfStream();
    void couldNotPlay();
    void playedNothing();
    void playerUnavailable(const QString& reason);

    const std::vector<Track>& queue() const { return m_queue; }
    int current() const { return m_current; }
    // The track playing, in the queue or alone.
    std::optional<Track> playing() const;
    // Whether the end of the track playing starts another, with the options as they are now.
    bool hasNext() const;

Q_SIGNALS:
    // A track is about to play: the viewer's caption names it.
    void trackStarting(const QString& displayName);
    // Playback begins: the viewer is to be shown, and the main window hidden if asked.
    void opening(bool hideMainWindow);
    // Playback has ended: the viewer is to be hidden and the main window shown.
    void finished();
    void failed(const QString& path);
    void unavailable(const QString& reason);

private:
    // Sets the file, names it, opens the viewer when asked, and plays.
    void begin(const Track& track, std::optional<bool> hideMainWindow);
    void startQueued(int index);
    void advance();
    // The index that plays after the current one, or none when playback ends there.
    std::optional<int> following();
    void queueFollowing();
    // A track of the queue was not heard; a failure when it could not be played.
    void unheard(bool failure);
    int pick();

    Player& m_player;
    std::function<PlayOptions()> m_options;
    RandomSource& m_random;
    std::vector<Track> m_queue;
    int m_current = -1;
    // The file playing outside the queue, if one is.
    std::optional<Track> m_alone;
    // What played last: the queue, or the file played alone.
    std::vector<Track> m_lastPlayed;
    // The queue's indices not heard since a track last played, and the last of them that failed.
    std::set<int> m_unheard;
    std::optional<QString> m_lastFailure;
    // The track queued after the current one (none: playback ends there), once chosen, and the options
    // it was chosen with.
    std::optional<std::optional<int>> m_next;
    PlayOptions m_nextChosenWith;
};
