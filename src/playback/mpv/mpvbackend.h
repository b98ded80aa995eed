#pragma once

#include "fileend.h"
#include "playerbackend.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <optional>

struct mpv_event_end_file;
struct mpv_event_property;
struct mpv_handle;
class MpvVideoWindow;

// The player over libmpv. libmpv calls back on threads of its own; those calls only queue a drain of its
// events on the user-interface thread, where every notification is made.
class MpvBackend final : public QObject, public PlayerBackend {
    Q_OBJECT
public:
    static std::unique_ptr<PlayerBackend> create(Listener& listener, QWidget* parent, const Options& options,
                                                 QString* error);
    ~MpvBackend() override;

    QWidget* videoArea() override { return m_video; }
    void load(const QString& path) override;
    void queue(const QString& path) override;
    bool dequeue() override;
    void setPaused(bool paused) override;
    void stop() override;
    void seek(double seconds) override;
    void setVolume(int percent) override;
    void setMuted(bool muted) override;
    void setStretched(bool stretched) override;

private:
    MpvBackend(Listener& listener, mpv_handle* mpv);
    void showVideoIn(QWidget* parent, bool drawVideo);
    void playWithoutPicture();
    void loadNow();
    void drainEvents();
    void endOfFile(const mpv_event_end_file& end);
    void startOfFile(std::int64_t entry);
    void idleChanged(bool idle);
    void tellEnd(TrackEnd end, const QString& error);
    std::optional<qsizetype> indexOfQueued() const;
    void propertyChanged(uint64_t observed, const mpv_event_property& property);

    Listener& m_listener;
    mpv_handle* m_mpv;
    QPointer<QWidget> m_video;
    MpvVideoWindow* m_picture = nullptr;
    QWidget* m_pictureHolder = nullptr;
    QString m_path;
    bool m_loadWhenReady = false;
    // The entries of the file loaded last: ends of any other entry are stale.
    TrackEnds m_track;
    // The entry queued after it, and its end while the queued one has yet to begin.
    std::optional<std::int64_t> m_queued;
    struct HeldEnd {
        TrackEnd end;
        QString error;
    };
    std::optional<HeldEnd> m_heldEnd;
    QTimer m_positionAsked;
};
