#pragma once

#include "track.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// A list file (".zbl"): the line "Lista ZEB", the number N of tracks with a blank on each side, the N
// display names, then the N paths; every line ends with CR LF. Written in UTF-8; read as UTF-8, or as
// Windows-1252 when the bytes are not valid UTF-8 (files of the Windows program).
QByteArray encodeListFile(const std::vector<Track>& tracks);

// The tracks of a list file, taken as they stand (repeats included). Nothing when the file is not a
// list file: another first line (letter case aside), a count that is not a number or is above kMaxEntries,
// or fewer lines than the count needs. A line ends at CR LF or a lone CR; a lone LF belongs to the
// value. A count of zero or below gives no tracks; lines after the last path are ignored.
std::optional<std::vector<Track>> decodeListFile(QByteArrayView bytes);

// Nothing when the file cannot be read or is not a list file. Only a regular file is read, and no more of
// it than a list file can hold: a FIFO, a device, a file larger than the longest list file, or one whose
// first line is not the header is refused before the rest of it is read.
std::optional<std::vector<Track>> readListFile(const QString& path);
// Replaces the file only once the new one is whole: false, with the old file as it was, on failure.
bool writeListFile(const QString& path, const std::vector<Track>& tracks);
