#pragma once

#include <QRect>

// The viewer's controls for a client area: the player grows with the window beyond the design size
// (369 x 481) and keeps its size below it; "Scala", "Esci" and the outline follow the player.
struct ViewerLayout {
    QRect player;
    QRect outline;
    QRect scala;
    QRect esci;
};

inline constexpr QSize kViewerDesignSize(369, 481);
inline constexpr QSize kViewerMargin(17, 46);  // client area beyond the player

inline ViewerLayout viewerLayout(QSize client, QSize player) {
    const int width =
        client.width() >= kViewerDesignSize.width() ? client.width() - kViewerMargin.width() : player.width();
    const int height = client.height() >= kViewerDesignSize.height()
                           ? client.height() - kViewerMargin.height()
                           : player.height();
    return {QRect(9, 9, width, height), QRect(8, 8, width + 2, height + 30), QRect(16, height + 14, 81, 17),
            QRect(width - 47, height + 8, 57, 30)};
}
