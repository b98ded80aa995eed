#pragma once

#include "playerbackend.h"

#include <QFuture>

#include <functional>
#include <optional>

// The player module: the plugin at a path, or a factory at hand. Loading the plugin takes libmpv and its
// libraries with it, so it is loaded only when playing is near: on the first play, or ahead of it, off
// the user-interface thread, when the user shows that a play may come. It is loaded once, and kept.
class PlayerModule {
public:
    struct Loaded {
        PlayerBackendFactory* factory = nullptr;
        QString error;  // why there is no factory
    };
    // Loads the module; called on a thread of its own.
    using Loader = std::function<Loaded()>;

    explicit PlayerModule(const QString& path);
    explicit PlayerModule(PlayerBackendFactory& factory);
    explicit PlayerModule(Loader loader);
    // Waits for a load under way: its thread uses the loader.
    ~PlayerModule();

    // Starts loading the module in the background, unless it is loaded or being loaded. A failure is
    // kept silent until factory() is asked for.
    void preload();
    bool isLoadStarted() const { return m_loading.isValid() || m_loaded.has_value(); }

    // Nothing, with the reason, when the module cannot be loaded. Waits for a load under way.
    PlayerBackendFactory* factory(QString* error);

private:
    Loader m_loader;
    QFuture<Loaded> m_loading;
    std::optional<Loaded> m_loaded;
};

// The module's file, in the folder where the program keeps it.
QString playerModulePath(const QString& programFolder);

// Pictures are drawn when there is a display to draw them on.
PlayerBackend::Options defaultPlayerOptions();
