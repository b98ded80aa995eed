#pragma once

#include <QString>

#include <vector>

// A recognised format: a file extension as the user typed it, and whether its tracks are played.
struct Format {
    QString extension;
    bool active = false;
    bool operator==(const Format&) const = default;
};

// A window's outer top-left corner on the screen, in twips.
struct TwipsPosition {
    float left = 0;
    float top = 0;
    bool operator==(const TwipsPosition&) const = default;
};

// Everything ZEB remembers from one run to the next. The defaults are those of an empty settings file.
struct SettingsRecord {
    QString currentListFile;  // empty when there is none
    bool continuo = false;
    bool random = false;
    int clicco = 0;  // what a double-click on a media file does: 0 adds it to the playlist, 1 plays it
    TwipsPosition viewer;
    TwipsPosition main;
    bool scala = false;
    std::vector<Format> formats;
    bool operator==(const SettingsRecord&) const = default;
};
