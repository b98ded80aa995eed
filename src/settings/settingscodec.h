#pragma once

#include "entrylimit.h"
#include "settingsrecord.h"

#include <QByteArray>
#include <QByteArrayView>

// ZEBcfg.dat: fixed records of 128 bytes, record n at byte (n - 1) * 128, each holding one item at its
// start: a 16-bit little-endian tag, then the value (tag 0 empty; 2 a 16-bit integer; 4 a 32-bit float;
// 8 a text: a 16-bit byte count and the bytes). Records 1 to 10 hold the current list file, Continuo,
// Random, the Clicco index, the viewer's left and top, the main window's left and top, Scala and the
// number N of formats; then N extensions, then N ticks ("si" or "no").
inline constexpr int kSettingsRecordSize = 128;
// Tag, byte count and text fill a record.
inline constexpr int kMaxSettingsTextBytes = kSettingsRecordSize - 4;

// Reads the record from the file's bytes. Reading goes by the count in record 10, never by the length
// of the file. Whatever the bytes hold, the result is defined: a record past the end of the file, an
// unknown tag, text where a number belongs, and a text running past its record or the file all read
// as empty (0 or empty text); numbers read as text are empty too. Whole numbers are rounded to the
// nearest (halves to even); any non-zero value ticks a check box; a Clicco index other than 1 reads
// as 0; a negative count reads no formats; a tick is on only for "si" in any letter case.
SettingsRecord decodeSettings(QByteArrayView file);

// The bytes of the file after writing the record over the previous content: the records written
// replace theirs whole, the bytes past the last of them stay as they were. A text of more than 124
// bytes is written as an empty text. At most kMaxEntries formats are written.
QByteArray encodeSettings(const SettingsRecord& record, QByteArray previous);
