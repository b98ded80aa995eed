#include "installation.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kModuleName = QStringLiteral("libzeb_mpv.so");

QString installedModulePath(const QString& programFolder) {
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../lib/zeb/") + kModuleName));
}

}  // namespace

bool isInstalled(const QString& programFolder) {
    return !QFileInfo::exists(QDir(programFolder).filePath(kModuleName)) &&
           QFileInfo::exists(installedModulePath(programFolder));
}

QString playerModulePath(const QString& programFolder) {
    return isInstalled(programFolder) ? installedModulePath(programFolder)
                                      : QDir(programFolder).filePath(kModuleName);
}
