#pragma once

#include <QGuiApplication>

// The platforms without a display (the tests') draw no pictures, and need no OpenGL.
inline bool platformDrawsPictures() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}
