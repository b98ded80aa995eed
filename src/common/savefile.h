#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file with the bytes, atomically: the old file stays as it was until the new one is whole
// on disk. False when the file could not be written completely (missing folder, no permission, disk full).
// In a folder that allows no new file, an existing file that can be written is overwritten in place.
bool saveWholeFile(const QString& path, const QByteArray& bytes);
