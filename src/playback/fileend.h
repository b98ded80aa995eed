#pragma once

#include <cstdint>
#include <optional>
#include <set>

// libmpv's reasons for the end of an entry of its playlist: it played to its end (0), it was stopped or
// replaced (2), the player quit (3), it could not be played (4), it was a list and its entries took its
// place (5).
inline constexpr int kMpvEndOfFile = 0;
inline constexpr int kMpvEndError = 4;
inline constexpr int kMpvEndRedirect = 5;
// The error of a file that holds nothing to play, such as a sound of no samples.
inline constexpr int kMpvNothingToPlay = -16;

// The end of an entry as libmpv reports it; a list names the entries it put in its place.
struct EntryEnd {
    int reason = kMpvEndOfFile;
    int error = 0;
    std::int64_t entry = -1;
    std::int64_t firstInserted = 0;
    int inserted = 0;
};

// How a track ended, for the player's owner.
enum class TrackEnd { Played, PlayedNothing, CouldNotPlay };

// The entries of libmpv's playlist that make up the track loaded last, and the end of that track. A list
// file (.m3u, .pls, .cue, an archive) ends at once, and libmpv plays the entries it put in its place one
// after the other, by itself: they are the track, which ends when the last of them has ended, lists within
// lists included. The track played if one of its entries did; when none did and the last one failed, it
// could not be played; otherwise it played nothing (files of no samples, an empty list).
class TrackEnds {
public:
    // The track's own entry, just loaded.
    void loaded(std::int64_t entry);
    // Nothing is loaded: every end still to come is stale.
    void stopped();
    // The track's end, when this end is the last of its entries.
    std::optional<TrackEnd> ended(const EntryEnd& end);

private:
    std::set<std::int64_t> m_waiting;
    bool m_played = false;
};
