#pragma once

#include "player.h"
#include "playerbackend.h"
#include "playerstate.h"

#include <QIcon>
#include <QWidget>

class PlayerModule;
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
    MediaPlayer(PlayerModule& module, PlayerBackend::Options options, QWidget* parent);
    ~MediaPlayer() override;

    void setFile(const QString& path) override;
    void play() override;
    void stop() override;
    void queue(const QString& path) override;
    bool dequeue() override;
    void setDisplaySize(DisplaySize size) override;
    void pause();
    void seek(double seconds);
    // Percent.
    int volume() const;
    void setVolume(int percent);
    bool isMuted() const;
    void setMuted(bool muted);

    const PlayerState& state() const { return m_state; }

Q_SIGNALS:
    void endOfStream();
    void playedNothing();
    void couldNotPlay(const QString& reason);
    void unavailable(const QString& reason);
    void nextStarted();
    // Sound or picture has begun to come out.
    void started();
    // What state() tells, or the volume, has changed.
    void changed();
    // A seek, the user's or the program's, has moved the position there.
    void seeked(double seconds);
    void pictureDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void buildControls();
    void buildActions();
    QAction* separator();
    void buildSeekBar();
    bool ensureBackend();
    void seekBy(double seconds);
    void togglePause();
    void changeVolume(int step);
    void showStatus();

    void playbackRestarted() override;
    void fileEnded(TrackEnd end, const QString& error) override;
    void queuedStarted() override;
    void positionChanged(double seconds) override;
    void durationChanged(double seconds) override;
    void pausedChanged(bool paused) override;
    void pictureChanged(bool hasPicture) override;
    void tagsChanged(const QMap<QString, QString>& tags) override;

    PlayerModule& m_module;
    PlayerBackend::Options m_options;
    std::unique_ptr<PlayerBackend> m_backend;
    PlayerState m_state;
    // Drawn once: the status changes with every position.
    const QIcon m_playIcon;
    const QIcon m_pauseIcon;
    QVBoxLayout* m_layout;
    QWidget* m_screen;
    QSlider* m_seekBar;
    QSlider* m_volume;
    QLabel* m_status;
    QAction* m_playPause;
    QToolButton* m_playPauseButton;
    QAction* m_stop;
    QAction* m_mute;
    bool m_stretched = false;
};
