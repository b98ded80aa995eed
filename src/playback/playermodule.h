#pragma once

#include "playerbackend.h"

// The player module, loaded the first time it is asked for: from the program's folder, or from the
// library folder beside it when the program is installed. Nothing, with the reason, when it cannot be.
PlayerBackendFactory* playerModule(QString* error);

// Pictures are drawn when there is a display to draw them on.
PlayerBackend::Options defaultPlayerOptions();
