#pragma once

#include <cstdint>

// How the end of a file, as libmpv reports it, reads for the player's owner. libmpv's reasons: the file
// played to its end (0), it was stopped or replaced (2), the player quit (3), it could not be played (4),
// it was redirected to another (5). An end that belongs to an earlier file is never the current file's.
enum class FileEnd { Ignore, EndOfStream, CouldNotPlay };

inline constexpr int kMpvEndOfFile = 0;
inline constexpr int kMpvEndError = 4;

inline FileEnd classifyFileEnd(int reason, std::int64_t entry, std::int64_t currentEntry) {
    if (entry != currentEntry || currentEntry < 0) return FileEnd::Ignore;
    if (reason == kMpvEndOfFile) return FileEnd::EndOfStream;
    return reason == kMpvEndError ? FileEnd::CouldNotPlay : FileEnd::Ignore;
}
