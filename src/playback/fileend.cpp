#include "fileend.h"

void TrackEnds::loaded(std::int64_t entry) {
    m_waiting = {entry};
    m_played = false;
}

void TrackEnds::stopped() {
    m_waiting.clear();
}

std::optional<TrackEnd> TrackEnds::ended(const EntryEnd& end) {
    if (m_waiting.erase(end.entry) == 0) return std::nullopt;
    if (end.reason == kMpvEndRedirect) {
        for (int i = 0; i < end.inserted; ++i) m_waiting.insert(end.firstInserted + i);
    }
    if (end.reason == kMpvEndOfFile) m_played = true;
    if (!m_waiting.empty()) return std::nullopt;
    if (m_played) return TrackEnd::Played;
    const bool failed = end.reason == kMpvEndError && end.error != kMpvNothingToPlay;
    return failed ? TrackEnd::CouldNotPlay : TrackEnd::PlayedNothing;
}
