#include "playermodule.h"

#include <QGuiApplication>

PlayerBackend::Options defaultPlayerOptions() {
    const QString platform = QGuiApplication::platformName();
    return {platform != QLatin1String("offscreen") && platform != QLatin1String("minimal"), {}};
}

PlayerModule::PlayerModule(const QString& path) : m_loader(path) {}

PlayerModule::PlayerModule(PlayerBackendFactory& factory) : m_tried(true), m_factory(&factory) {}

PlayerBackendFactory* PlayerModule::factory(QString* error) {
    if (!std::exchange(m_tried, true)) {
        m_factory = qobject_cast<PlayerBackendFactory*>(m_loader.instance());
        if (!m_factory) m_error = m_loader.errorString();
    }
    if (!m_factory) *error = m_error;
    return m_factory;
}
