#pragma once

#include "track.h"
#include "wildcardpattern.h"

#include <QStringList>

#include <vector>

// What paths handed to ZEB (on the command line, by another ZEB, dropped on the playlist) stand for: a
// list file (".zbl", any letter case) is one to load, a folder stands for the files the browser would
// list in it, in its order, an address (other than a local file's, which comes as its path) is refused,
// and anything else is a media file.
struct OpenedPaths {
    struct File {
        Track track;
        // Found in a folder given, rather than named.
        bool inFolder = false;
    };
    std::vector<File> files;
    QStringList listFiles;
    // The paths that lead nowhere.
    QStringList missing;
    // Addresses of something other than a local file: ZEB never fetches anything.
    QStringList refused;
};

// Looks at the file systems: to be called off the user-interface thread.
OpenedPaths sortOutPaths(const QStringList& paths, const WildcardPattern& pattern);
