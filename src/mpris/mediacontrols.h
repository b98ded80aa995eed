#pragma once

#include <QDBusObjectPath>
#include <QObject>
#include <QVariantMap>

class MprisHost;
class PlaybackSession;
class SettingsModel;

// Playback as the desktop's media controls see it and drive it (the media keys, the desktop's media
// panel), in the terms of MPRIS: times in microseconds, the volume from 0 to 1, the state and the track as
// words and tags. Nothing plays while the viewer is closed; play then plays the playlist, or when that has
// nothing to play, the queue that played last. What each control can do says whether it would do
// something now.
class MediaControls : public QObject {
    Q_OBJECT
public:
    // Continuo and Random are the live settings, which the settings window shows and edits too.
    MediaControls(PlaybackSession& playback, MprisHost& host, SettingsModel& settings);

    MprisHost& host() { return m_host; }

    // "Playing", "Paused" or "Stopped".
    QString playbackStatus() const;
    // The track playing: its id, title, artist, album, address and length; empty when none is.
    QVariantMap metadata() const;
    qlonglong position() const;
    double volume() const;
    void setVolume(double volume);
    bool canPlay() const;
    bool canGoNext() const;
    bool canGoPrevious() const;
    bool canSeek() const;
    // While a track is being opened, until its length is known, its tags and length may not be known yet.
    bool isOpeningTrack() const;
    // "Playlist" with Continuo ticked, else "None". Setting it ticks or unticks Continuo; "Track", which
    // ZEB does not do, changes nothing.
    QString loopStatus() const;
    void setLoopStatus(const QString& status);
    // Random.
    bool shuffle() const;
    void setShuffle(bool on);

    void play();
    void pause();
    void playPause();
    // As "Esci".
    void stop();
    void next();
    void previous();
    // From the position; beyond the end of the track, to the next one.
    void seek(qlonglong offset);
    // Ignored unless the track is the one playing and the position lies within it.
    void setPosition(const QDBusObjectPath& track, qlonglong position);
    // False, with nothing done, for anything but a local file.
    bool openUri(const QString& uri);

Q_SIGNALS:
    // Any of the above may have changed.
    void changed();
    void seeked(qlonglong position);

private:
    bool isStopped() const;
    QDBusObjectPath trackId() const;

    PlaybackSession& m_playback;
    MprisHost& m_host;
    SettingsModel& m_settings;
};
