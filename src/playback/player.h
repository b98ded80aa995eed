#pragma once

#include <QString>

// The media player as the program drives it.
//
// setFile loads a file in place of any earlier one; play starts it; stop halts at once. The player's
// owner passes on four notifications, each about the file set last:
// - end of stream: the file has played to its end. A file that was replaced or stopped never raises it;
// - played nothing: the file has played to its end, but held nothing to hear or see (no samples);
// - could not play: the file cannot be played (missing, not a media file); it raises nothing else;
// - unavailable: there is no player at all (its module cannot be loaded); nothing plays.
class Player {
public:
    enum class DisplaySize { Own = 0, Stretched = 4 };

    virtual ~Player() = default;

    virtual void setFile(const QString& path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void setDisplaySize(DisplaySize size) = 0;
};
