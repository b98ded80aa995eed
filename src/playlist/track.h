#pragma once

#include <QString>

#include <vector>

// An entry of the playlist: the name the user sees and the full path of the media file.
struct Track {
    QString displayName;
    QString path;
    bool operator==(const Track&) const = default;
};

// The file's name without its last four characters, which for the usual names drops a dot and a
// three-letter extension ("Film.mpeg" shows as "Film."). A name shorter than that shows whole.
QString displayNameOf(const QString& fileName);

Track trackOfFile(const QString& folder, const QString& fileName);

// Keeps, of the tracks whose paths are equal ignoring letter case, only the last one, in place: adding a
// file that is already there moves it to the end. Only the longest run of tracks from the first that
// holds at most maxPaths different paths is looked at; taken tells how long that run was. Runs in linear
// time.
struct DistinctTracks {
    std::vector<Track> tracks;
    size_t taken = 0;
};
DistinctTracks withoutRepeatedPaths(std::vector<Track> tracks, size_t maxPaths);
