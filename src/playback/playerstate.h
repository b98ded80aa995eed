#pragma once

#include "fileend.h"
#include "tracktags.h"

#include <QString>

class PlayerBackend;

// What the player's controls show of the file set last, and what the intents ask of the player. Loading
// ends when playback first starts; from then on, playing or paused is the player's pause flag as last set
// here or reported by the player, so that a seek while paused stays paused.
class PlayerState {
public:
    enum class Shown { Stopped, Loading, Playing, Paused, Failed };

    // The player that the intents command; none while the player module is not loaded.
    void setBackend(PlayerBackend* backend) { m_backend = backend; }

    // The intents: the program's, and the user's through the controls.
    void setFile(const QString& path);
    void play();
    void togglePause();
    void pause();
    void stop();
    // The file to go on to without a gap; false from dequeue when it has begun already.
    void queue(const QString& path);
    bool dequeue();
    // Where the player goes: the position, kept within the file. Returns it.
    double seek(double seconds);

    // The player's notifications. playbackRestarted is true when it ends the loading.
    bool playbackRestarted();
    // The file queued is loading, in place of the one that played to its end.
    void queuedStarted();
    void fileEnded(TrackEnd end, const QString& error);
    void positionChanged(double seconds) { m_position = seconds; }
    void durationChanged(double seconds) { m_duration = seconds; }
    void pausedChanged(bool paused) { m_paused = paused; }
    void pictureChanged(bool hasPicture) { m_picture = hasPicture; }
    void tagsChanged(const QMap<QString, QString>& tags) { m_tags = TrackTags::fromMetadata(tags); }

    Shown shown() const;
    // Whether play/pause pauses now, rather than plays.
    bool pressPauses() const;
    // A picture is moving: a video plays, not paused.
    bool showsMovingPicture() const { return m_picture && shown() == Shown::Playing; }
    // What the file is called: from its tags, else its file name.
    QString shownName() const;
    // The name, the position and the duration, and the state: "a.mp3 — 1:05 / 3:20 — In pausa".
    QString statusText() const;

    // Counts the files set, so that each load is told from the one before, the same file's included.
    int loadNumber() const { return m_loads; }
    double position() const { return m_position; }
    double duration() const { return m_duration; }
    const TrackTags& tags() const { return m_tags; }

private:
    enum class Phase { Stopped, Loading, Started, Failed };

    void startLoading(const QString& path);
    void setPaused(bool paused);

    PlayerBackend* m_backend = nullptr;
    QString m_path;
    QString m_queued;
    Phase m_phase = Phase::Stopped;
    bool m_paused = true;
    bool m_picture = false;
    QString m_error;
    double m_position = 0;
    double m_duration = 0;
    TrackTags m_tags;
    int m_loads = 0;
};
