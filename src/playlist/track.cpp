#include "track.h"

#include "paths.h"

#include <unordered_map>
#include <utility>

QString displayNameOf(const QString& fileName) {
    return fileName.size() < 4 ? fileName : fileName.chopped(4);
}

Track trackOfFile(const QString& folder, const QString& fileName) {
    return {displayNameOf(fileName), joinPath(folder, fileName)};
}

namespace {

// Hashing and equality of paths ignoring letter case, as QString::compare with Qt::CaseInsensitive sees
// it. Simple case folding keeps every character in its plane, so leaving surrogates out of the hash
// still gives equal paths equal hashes.
struct FoldedHash {
    size_t operator()(QStringView path) const {
        size_t hash = 14695981039346656037u;
        for (const QChar c : path) {
            if (c.isSurrogate()) continue;
            hash = (hash ^ QChar::toCaseFolded(c.unicode())) * 1099511628211u;
        }
        return hash;
    }
};

struct FoldedEqual {
    bool operator()(QStringView a, QStringView b) const { return a.compare(b, Qt::CaseInsensitive) == 0; }
};

}  // namespace

DistinctTracks withoutRepeatedPaths(std::vector<Track> tracks, size_t maxPaths) {
    // Each path's latest place so far; a path met again drops its earlier place.
    std::unordered_map<QStringView, size_t, FoldedHash, FoldedEqual> latest(tracks.size());
    std::vector<bool> dropped(tracks.size());
    size_t taken = 0;
    for (; taken < tracks.size(); ++taken) {
        const auto [place, isNew] = latest.try_emplace(tracks[taken].path, taken);
        if (isNew && latest.size() > maxPaths) {
            latest.erase(place);
            break;
        }
        if (!isNew) dropped[std::exchange(place->second, taken)] = true;
    }
    DistinctTracks result;
    result.taken = taken;
    result.tracks.reserve(latest.size());
    for (size_t i = 0; i < taken; ++i) {
        if (!dropped[i]) result.tracks.push_back(std::move(tracks[i]));
    }
    return result;
}
