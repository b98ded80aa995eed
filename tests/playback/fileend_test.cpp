#include "fileend.h"

#include <gtest/gtest.h>

namespace {

constexpr int kStop = 2;
constexpr int kUnrecognised = -17;

EntryEnd played(std::int64_t entry) {
    return {kMpvEndOfFile, 0, entry};
}
EntryEnd failed(std::int64_t entry, int error = kUnrecognised) {
    return {kMpvEndError, error, entry};
}
EntryEnd list(std::int64_t entry, std::int64_t firstInserted, int inserted) {
    return {kMpvEndRedirect, 0, entry, firstInserted, inserted};
}

char letterOf(std::optional<TrackEnd> end) {
    if (!end) return '-';
    return *end == TrackEnd::Played ? 'p' : *end == TrackEnd::PlayedNothing ? 'e' : 'f';
}

}  // namespace

// The track loaded as entry 7 ends with the last of its entries; what each end gives, in turn: - nothing
// yet, p played, e played nothing, f could not be played.
TEST(TrackEnds, ATrackEndsWithTheLastOfItsEntries) {
    const struct {
        const char* what;
        std::vector<EntryEnd> ends;
        const char* gives;
    } cases[] = {
        {"a file played to its end", {played(7)}, "p"},
        {"a file that cannot be played", {failed(7)}, "f"},
        {"a file with nothing in it", {failed(7, kMpvNothingToPlay)}, "e"},
        {"ends of earlier tracks", {{kStop, 0, 6}, played(6), failed(6), played(7)}, "---p"},
        {"a list", {list(7, 8, 2), played(8), played(9)}, "--p"},
        {"a list in a list",
         {list(7, 8, 3), played(8), list(9, 11, 2), played(11), played(12), failed(10, kMpvNothingToPlay)},
         "-----p"},
        {"a list of files that cannot be played", {list(7, 8, 2), failed(8), failed(9)}, "--f"},
        {"a list whose last file fails after one played", {list(7, 8, 2), played(8), failed(9)}, "--p"},
        {"a list whose last file is empty after one failed",
         {list(7, 8, 2), failed(8), failed(9, kMpvNothingToPlay)},
         "--e"},
        {"an empty list", {list(7, 0, 0)}, "e"},
    };
    for (const auto& row : cases) {
        TrackEnds track;
        track.loaded(7);
        std::string gives;
        for (const EntryEnd& end : row.ends) gives += letterOf(track.ended(end));
        EXPECT_EQ(gives, row.gives) << row.what;
    }
}

TEST(TrackEnds, AfterAStopNothingEnds) {
    TrackEnds track;
    track.loaded(7);
    track.stopped();
    EXPECT_EQ(track.ended(played(7)), std::nullopt);
}
