#pragma once

// The most entries a list holds: the tracks of the playlist and of a list file, the formats of the
// settings. The settings file counts its formats in a 16-bit integer, and the lists of tracks keep to
// the same bound, which the list files of every ZEB share.
inline constexpr int kMaxEntries = 32767;
