#include "playermodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPluginLoader>

namespace {

const QString kModuleName = QStringLiteral("libzeb_mpv.so");

QString modulePath() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString beside = programFolder.filePath(kModuleName);
    const QString installed = programFolder.filePath(QStringLiteral("../lib/zeb/") + kModuleName);
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : QDir::cleanPath(installed);
}

}  // namespace

PlayerBackend::Options defaultPlayerOptions() {
    const QString platform = QGuiApplication::platformName();
    return {platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"), {}};
}

PlayerBackendFactory* playerModule(QString* error) {
    static QPluginLoader loader(modulePath());
    auto* module = qobject_cast<PlayerBackendFactory*>(loader.instance());
    if (!module) *error = loader.errorString();
    return module;
}
