#pragma once

#include <QString>

// The media player as the program drives it.
//
// setFile loads a file in place of any earlier one; play starts it; stop halts at once. queue names the
// file to go on to, without a gap, when the one playing ends; dequeue takes it back, and is false when that
// file has begun already (its start is told). The player's owner passes on five notifications, each about
// the file set or begun last:
// - end of stream: the file has played to its end. A file that was replaced or stopped never raises it;
// - played nothing: the file has played to its end, but held nothing to hear or see (no samples);
// - could not play: the file cannot be played (missing, not a media file); it raises nothing else;
// - unavailable: there is no player at all (its module cannot be loaded); nothing plays;
// - next started: the file queued has begun, after the one before played to its end, which raises
//   nothing of its own.
class Player {
public:
    enum class DisplaySize { Own = 0, Stretched = 4 };

    virtual ~Player() = default;

    virtual void setFile(const QString& path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void queue(const QString& path) = 0;
    virtual bool dequeue() = 0;
    virtual void setDisplaySize(DisplaySize size) = 0;
};
