#include "playermodule.h"

#include "background.h"
#include "installation.h"
#include "platformpictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

#include <memory>

QString playerModulePath(const QString& programFolder) {
    return QDir(playerModuleFolder(programFolder)).filePath(QStringLiteral(ZEB_PLAYER_MODULE));
}

PlayerBackend::Options defaultPlayerOptions() {
    return {platformDrawsPictures(), {}};
}

namespace {

// The plugin's object is made on the loading thread; it is handed to the application's thread, where the
// players are made.
PlayerModule::Loaded loadPlugin(QPluginLoader& plugin) {
    QObject* instance = plugin.instance();
    if (instance && QCoreApplication::instance())
        instance->moveToThread(QCoreApplication::instance()->thread());
    auto* factory = qobject_cast<PlayerBackendFactory*>(instance);
    return {factory, factory ? QString() : plugin.errorString()};
}

}  // namespace

PlayerModule::PlayerModule(const QString& path)
    : m_loader([plugin = std::make_shared<QPluginLoader>(path)] { return loadPlugin(*plugin); }) {}

PlayerModule::PlayerModule(PlayerBackendFactory& factory) : m_loaded(Loaded{&factory, {}}) {}

PlayerModule::PlayerModule(Loader loader) : m_loader(std::move(loader)) {}

PlayerModule::~PlayerModule() {
    m_loading.waitForFinished();
}

void PlayerModule::preload() {
    if (isLoadStarted()) return;
    m_loading = QtConcurrent::run(fileSystemThreads(), m_loader);
}

PlayerBackendFactory* PlayerModule::factory(QString* error) {
    if (!m_loaded) {
        preload();
        m_loaded = m_loading.result();
        m_loading = {};
    }
    if (!m_loaded->factory) *error = m_loaded->error;
    return m_loaded->factory;
}
