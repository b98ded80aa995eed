#pragma once

#include "playerbackend.h"

// A real player that makes no sound, draws no picture and plays as fast as it can decode.
inline PlayerBackend::Options quietFastPlayer() {
    return {
        false,
        {QStringLiteral("ao=null"), QStringLiteral("untimed=yes"), QStringLiteral("ao-null-untimed=yes")}};
}
