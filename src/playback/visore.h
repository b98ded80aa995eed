#pragma once

#include "playerbackend.h"

#include <QWidget>

class MediaPlayer;
class Outline;
class PlayerModule;
class QAction;
class QCheckBox;
class QPushButton;

// The viewer window in which tracks play: the player, "Scala" to stretch the picture to the player's
// area, "Esci" to leave playback, and a green outline around them. It lays itself out on every change
// of size: the player grows with the window beyond its design size, and the controls follow it.
class Visore : public QWidget {
    Q_OBJECT
public:
    Visore(PlayerModule& playerModule, const PlayerBackend::Options& playerOptions);

    MediaPlayer& player() { return *MediaPlayer1; }
    bool scala() const;
    void setScala(bool ticked);
    // The caption names the track playing.
    void showTrackName(const QString& displayName);
    // Sizes the window around the player's current size; nothing in full screen, which stays until the
    // user leaves it, across tracks and while the viewer is hidden.
    void fitAroundPlayer();
    // Where the window stands when not full screen.
    QPoint windowedPosition() const;
    void toggleFullScreen();

Q_SIGNALS:
    // "Esci", or the window's close box: playback is to end.
    void leaveRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFullScreenActions();
    bool fullScreen() const;
    void leaveFullScreen();
    void setFullScreenShown(bool shown);

    MediaPlayer* MediaPlayer1;
    Outline* Shape1;
    QCheckBox* Check3;
    QPushButton* Command2;
    QAction* m_fullScreen;
    QAction* m_leaveFullScreen;
    QRect m_windowedGeometry;
};
