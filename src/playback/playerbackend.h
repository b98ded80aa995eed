#pragma once

#include "fileend.h"

#include <QMap>
#include <QStringList>
#include <QtPlugin>

#include <memory>

class QWidget;

// What the player module offers: a video area and the playing of files in it. The module is a plugin
// loaded on first use, so that starting the program does not pay for loading libmpv.
class PlayerBackend {
public:
    // Notifications, all on the user-interface thread, about the file loaded last.
    class Listener {
    public:
        virtual ~Listener() = default;
        // Playback starts, after loading or after a seek.
        virtual void playbackRestarted() = 0;
        // The error says why a file could not be played. A file that played to its end with a file queued
        // after it tells nothing: the queued one begins.
        virtual void fileEnded(TrackEnd end, const QString& error) = 0;
        // The file queued has begun; it is now the file loaded.
        virtual void queuedStarted() = 0;
        // About ten times a second while a file is loaded.
        virtual void positionChanged(double seconds) = 0;
        virtual void durationChanged(double seconds) = 0;
        virtual void pausedChanged(bool paused) = 0;
        // Whether the file loaded has a picture to show (a video, not the cover of a sound).
        virtual void pictureChanged(bool hasPicture) = 0;
        // The file's tags as the player reads them, name and text; none until it has read them.
        virtual void tagsChanged(const QMap<QString, QString>& tags) = 0;
    };

    struct Options {
        bool drawVideo = true;  // false: no picture at all (no display, or tests)
        QStringList extra;      // further player options, "name=value"
    };

    virtual ~PlayerBackend() = default;

    virtual QWidget* videoArea() = 0;
    // Loads the file paused, in place of any earlier one. Every load ends in a start of playback or an end
    // of the file.
    virtual void load(const QString& path) = 0;
    // The file to go on to when the one loaded ends, so that the sound runs on without a gap; none may be
    // queued already.
    virtual void queue(const QString& path) = 0;
    // Takes the queued file back; false when it has begun already, which queuedStarted tells.
    virtual bool dequeue() = 0;
    virtual void setPaused(bool paused) = 0;
    virtual void stop() = 0;
    virtual void seek(double seconds) = 0;
    virtual void setVolume(int percent) = 0;
    virtual void setMuted(bool muted) = 0;
    // True: the picture fills the area; false: the picture at its own size, shrunk only to fit.
    virtual void setStretched(bool stretched) = 0;
};

class PlayerBackendFactory {
public:
    virtual ~PlayerBackendFactory() = default;
    // Nothing, with the reason, when the player cannot start.
    virtual std::unique_ptr<PlayerBackend> create(PlayerBackend::Listener& listener, QWidget* parent,
                                                  const PlayerBackend::Options& options, QString* error) = 0;
};

#define ZEB_PLAYER_BACKEND_FACTORY_IID "org.zeb.PlayerBackendFactory/3"
Q_DECLARE_INTERFACE(PlayerBackendFactory, ZEB_PLAYER_BACKEND_FACTORY_IID)
