#pragma once

#include <QString>

// The media player as the program drives it: commands only. What the player tells back (how a file
// ended, that one has begun) is no part of it: its owner passes that on to the Sequencer's notifications.
//
// setFile loads a file in place of any earlier one; play starts it; stop halts at once. queue names the
// file to go on to, without a gap, when the one playing ends; dequeue takes it back, and is false when that
// file has begun already. setDisplaySize shows the picture at its own size or stretched to fill its area.
class Player {
public:
    enum class DisplaySize { Own, Stretched };

    virtual ~Player() = default;

    virtual void setFile(const QString& path) = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void queue(const QString& path) = 0;
    virtual bool dequeue() = 0;
    virtual void setDisplaySize(DisplaySize size) = 0;
};
