#include "installation.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString installedModuleFolder(const QString& programFolder) {
    return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral("../lib/zeb")));
}

}  // namespace

bool isInstalled(const QString& programFolder) {
    const QStringList modules = QDir(installedModuleFolder(programFolder)).entryList(QDir::Files);
    return !modules.isEmpty() && std::none_of(modules.begin(), modules.end(), [&](const QString& name) {
        return QFileInfo::exists(QDir(programFolder).filePath(name));
    });
}

QString playerModuleFolder(const QString& programFolder) {
    return isInstalled(programFolder) ? installedModuleFolder(programFolder) : programFolder;
}
