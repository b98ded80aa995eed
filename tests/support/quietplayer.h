#pragma once

#include "playerbackend.h"
#include "playermodule.h"

#include <QCoreApplication>

// A real player that makes no sound, draws no picture and plays as fast as it can decode.
inline PlayerBackend::Options quietFastPlayer() {
    return {
        false,
        {QStringLiteral("ao=null"), QStringLiteral("untimed=yes"), QStringLiteral("ao-null-untimed=yes")}};
}

// The path of the player module built with the tests, beside them.
inline QString builtPlayerModule() {
    return playerModulePath(QCoreApplication::applicationDirPath());
}
