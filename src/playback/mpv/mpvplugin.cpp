#include "mpvplugin.h"

#include "mpvbackend.h"

std::unique_ptr<PlayerBackend> MpvPlugin::create(PlayerBackend::Listener& listener, QWidget* parent,
                                                 const PlayerBackend::Options& options, QString* error) {
    return MpvBackend::create(listener, parent, options, error);
}
