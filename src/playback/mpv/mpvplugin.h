#pragma once

#include "playerbackend.h"

#include <QObject>

#include <optional>

// The module's entry point, found by the program through QPluginLoader, which makes it on the thread that
// loads the module.
class MpvPlugin final : public QObject, public PlayerBackendFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZEB_PLAYER_BACKEND_FACTORY_IID)
    Q_INTERFACES(PlayerBackendFactory)
public:
    MpvPlugin();

    std::unique_ptr<PlayerBackend> create(PlayerBackend::Listener& listener, QWidget* parent,
                                          const PlayerBackend::Options& options, QString* error) override;

private:
    bool openGLWorks();

    std::optional<bool> m_openGLWorks;
};
