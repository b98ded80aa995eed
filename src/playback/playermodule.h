#pragma once

#include "playerbackend.h"

// The player module, loaded the first time it is asked for. Nothing, with the reason, when it cannot be.
PlayerBackendFactory* playerModule(QString* error);

// Pictures are drawn when there is a display to draw them on.
PlayerBackend::Options defaultPlayerOptions();
