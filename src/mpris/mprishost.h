#pragma once

#include <QString>

// What the desktop's media controls ask of the program's windows.
class MprisHost {
public:
    virtual ~MprisHost() = default;

    // Brings the window the user sees to the front.
    virtual void raiseWindow() = 0;
    // Asks whether to exit, as the main window's close button does.
    virtual void askToQuit() = 0;
    // Plays the playlist, as its play-all button does.
    virtual void playPlaylist() = 0;
    // Whether that would play something now: the button can be pressed, and a track of the playlist has
    // a ticked format.
    virtual bool canPlayPlaylist() const = 0;
    // Plays the local file at this path, as when it is named on the command line.
    virtual void openFile(const QString& path) = 0;
};
