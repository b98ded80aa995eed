#pragma once

#include "playerbackend.h"

#include <QObject>

// The module's entry point, found by the program through QPluginLoader.
class MpvPlugin final : public QObject, public PlayerBackendFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZEB_PLAYER_BACKEND_FACTORY_IID)
    Q_INTERFACES(PlayerBackendFactory)
public:
    std::unique_ptr<PlayerBackend> create(PlayerBackend::Listener& listener, QWidget* parent,
                                          const PlayerBackend::Options& options, QString* error) override;
};
