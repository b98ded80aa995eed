#include "track.h"

#include "paths.h"

#include <QSet>

#include <algorithm>

QString displayNameOf(const QString& fileName) {
    return fileName.size() < 4 ? fileName : fileName.chopped(4);
}

Track trackOfFile(const QString& folder, const QString& fileName) {
    return {displayNameOf(fileName), joinPath(folder, fileName)};
}

std::vector<Track> withoutRepeatedPaths(std::vector<Track> tracks) {
    QSet<QString> seen;
    seen.reserve(qsizetype(tracks.size()));
    std::vector<Track> kept;
    kept.reserve(tracks.size());
    // Walking from the end, the first of each path met is the one that stays.
    for (auto track = tracks.rbegin(); track != tracks.rend(); ++track) {
        const qsizetype before = seen.size();
        seen.insert(track->path.toCaseFolded());
        if (seen.size() > before) kept.push_back(std::move(*track));
    }
    std::reverse(kept.begin(), kept.end());
    return kept;
}
