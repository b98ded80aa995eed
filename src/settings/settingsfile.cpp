#include "settingsfile.h"

#include "installation.h"
#include "regularfile.h"
#include "savefile.h"
#include "settingscodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kFileName = QStringLiteral("ZEBcfg.dat");

// The reader never goes past the formats' records: ten records, then as many extensions and ticks as a
// count can hold. Anything that is not a regular file reads as an empty one.
QByteArray readRecords(const QString& path) {
    RegularFile file(path);
    return file.isOpen() ? file.read(qint64(10 + 2 * kMaxFormats) * kSettingsRecordSize) : QByteArray();
}

}  // namespace

QString settingsFilePath(const QString& programFolder) {
    const QString folder = !isInstalled(programFolder) && QFileInfo(programFolder).isWritable()
                               ? programFolder
                               : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder).filePath(kFileName);
}

SettingsRecord LeggiConfig(const QString& path) {
    QFile file(path);
    if (!file.exists()) file.open(QIODevice::WriteOnly);
    return decodeSettings(readRecords(path));
}

bool SalvaConfig(const QString& path, const SettingsRecord& record) {
    const QByteArray previous = readRecords(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return saveWholeFile(path, encodeSettings(record, previous));
}
