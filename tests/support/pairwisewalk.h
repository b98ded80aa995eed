#pragma once

#include "track.h"

// The removal of repeated paths as the Windows program did it: for each line, from the first, look for
// another line with the same path ignoring letter case, and remove the line itself at the first one
// found. Quadratic, but plain to check; the program's own removal must give the same result.
inline std::vector<Track> pairwiseWalk(std::vector<Track> list) {
    const int upperBound = int(list.size());
    for (int i = 0; i < upperBound; ++i) {
        if (i >= int(list.size())) continue;
        for (int j = 0; j < int(list.size()); ++j) {
            if (j != i && list[size_t(i)].path.compare(list[size_t(j)].path, Qt::CaseInsensitive) == 0) {
                list.erase(list.begin() + i);
                --i;
                break;
            }
        }
    }
    return list;
}
