#include "settingsfile.h"

#include "installation.h"
#include "savefile.h"
#include "settingscodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kFileName = QStringLiteral("ZEBcfg.dat");

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
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
    return decodeSettings(readAll(path));
}

bool SalvaConfig(const QString& path, const SettingsRecord& record) {
    const QByteArray previous = readAll(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return saveWholeFile(path, encodeSettings(record, previous));
}
