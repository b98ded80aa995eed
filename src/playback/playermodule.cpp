#include "playermodule.h"

#include "installation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPluginLoader>

PlayerBackend::Options defaultPlayerOptions() {
    const QString platform = QGuiApplication::platformName();
    return {platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"), {}};
}

PlayerBackendFactory* playerModule(QString* error) {
    static QPluginLoader loader(playerModulePath(QCoreApplication::applicationDirPath()));
    auto* module = qobject_cast<PlayerBackendFactory*>(loader.instance());
    if (!module) *error = loader.errorString();
    return module;
}
