#pragma once

#include "playerbackend.h"

#include <QPluginLoader>

// The player module: the plugin at a path, loaded the first time a player is made and kept loaded, or a
// factory at hand.
class PlayerModule {
public:
    explicit PlayerModule(const QString& path);
    explicit PlayerModule(PlayerBackendFactory& factory);

    // Nothing, with the reason, when the module cannot be loaded.
    PlayerBackendFactory* factory(QString* error);

private:
    QPluginLoader m_loader;
    bool m_tried = false;
    PlayerBackendFactory* m_factory = nullptr;
    QString m_error;
};

// Pictures are drawn when there is a display to draw them on.
PlayerBackend::Options defaultPlayerOptions();
