#pragma once

#include "player.h"
#include "playerbackend.h"

#include <QWidget>

class QAction;
class QLabel;
class QSlider;
class QToolButton;
class QVBoxLayout;

// The player component of the viewer: the picture, and under it the player's own controls (play and
// pause, stop, a seek bar, the volume and a status line), also offered by its context menu. The player
// module is loaded when a file is first set.
class MediaPlayer : public QWidget, public Player, private PlayerBackend::Listener {
    Q_OBJECT
public:
    MediaPlayer(PlayerBackend::Options options, QWidget* parent);
    ~MediaPlayer() override;

    void setFile(const QString& path) override;
    void play() override;
    void stop() override;
    void setDisplaySize(DisplaySize size) override;

Q_SIGNALS:
    void endOfStream();
    void couldNotPlay(const QString& reason);
    void unavailable(const QString& reason);
    // Sound or picture has begun to come out.
    void started();

private:
    enum class State { Stopped, Loading, Playing, Paused, Failed };

    void buildControls();
    bool ensureBackend();
    void togglePause();
    void changeVolume(int step);
    void showStatus();

    void playbackStarted() override;
    void fileEnded(bool playedToEnd, const QString& error) override;
    void positionChanged(double seconds) override;
    void durationChanged(double seconds) override;
    void pausedChanged(bool paused) override;

    PlayerBackend::Options m_options;
    std::unique_ptr<PlayerBackend> m_backend;
    QVBoxLayout* m_layout;
    QWidget* m_screen;
    QSlider* m_seekBar;
    QSlider* m_volume;
    QLabel* m_status;
    QAction* m_playPause;
    QAction* m_stop;
    QAction* m_mute;
    QString m_path;
    bool m_loaded = false;
    State m_state = State::Stopped;
    QString m_error;
    double m_position = 0;
    double m_duration = 0;
    bool m_stretched = false;
};
