#include "settingsfile.h"

#include "entrylimit.h"
#include "installation.h"
#include "musicfolder.h"
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
    return file.isOpen() ? file.read(qint64(10 + 2 * kMaxEntries) * kSettingsRecordSize) : QByteArray();
}

bool keptWithTheUser(const QString& path) {
    return QFileInfo(path).absolutePath() ==
           QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).absolutePath();
}

// The first ZEBcfg.dat of ZEB's folders in XDG_CONFIG_DIRS (the user's own folder comes first in the
// list, and is left out); empty when there is none.
QString systemSettingsFilePath() {
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation);
    for (qsizetype index = 1; index < folders.size(); ++index) {
        const QString path = QDir(folders[index]).filePath(kFileName);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

void createSettingsFile(const QString& path) {
    const QString defaults = keptWithTheUser(path) ? systemSettingsFilePath() : QString();
    if (defaults.isEmpty()) {
        QFile(path).open(QIODevice::WriteOnly);
        return;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    saveWholeFile(path, readRecords(defaults));
}

}  // namespace

QString settingsFilePath(const QString& programFolder) {
    const QString folder = !isInstalled(programFolder) && QFileInfo(programFolder).isWritable()
                               ? programFolder
                               : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder).filePath(kFileName);
}

QString browserStartFolder(const QString& programFolder, const QString& settingsPath) {
    return QFileInfo(settingsPath).absolutePath() == QDir(programFolder).absolutePath() ? programFolder
                                                                                        : musicFolder();
}

SettingsRecord LeggiConfig(const QString& path) {
    if (!QFileInfo::exists(path)) createSettingsFile(path);
    return decodeSettings(readRecords(path));
}

bool SalvaConfig(const QString& path, const SettingsRecord& record) {
    const QByteArray previous = readRecords(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return saveWholeFile(path, encodeSettings(record, previous));
}
