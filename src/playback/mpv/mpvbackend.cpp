#include "mpvbackend.h"

#include "fileend.h"
#include "mpvvideowindow.h"

#include <QDir>
#include <QFile>
#include <QVBoxLayout>
#include <QWidget>

#include <mpv/client.h>

#include <clocale>

static_assert(kMpvEndOfFile == MPV_END_FILE_REASON_EOF && kMpvEndError == MPV_END_FILE_REASON_ERROR &&
              kMpvEndRedirect == MPV_END_FILE_REASON_REDIRECT &&
              kMpvNothingToPlay == MPV_ERROR_NOTHING_TO_PLAY);

namespace {

enum Observed : uint64_t { kPosition = 1, kDuration, kPause, kTags };

// libmpv would tell the position of every frame, and the user-interface thread would wake for each: it is
// asked for at this pace instead, which is what the seek bar and the status line show.
constexpr std::chrono::milliseconds kPositionAskedEvery(100);

void setFlag(mpv_handle* mpv, const char* name, bool value) {
    int flag = value;
    mpv_set_property(mpv, name, MPV_FORMAT_FLAG, &flag);
}

// libmpv's options, "name=value".
QStringList settingsFor(const PlayerBackend::Options& options) {
    return QStringList{
               QStringLiteral("vo=%1").arg(options.drawVideo ? QStringLiteral("libmpv")
                                                             : QStringLiteral("null")),
               QStringLiteral("osc=no"),
               QStringLiteral("idle=yes"),
               QStringLiteral("keep-open=no"),
               QStringLiteral("audio-display=no"),
               QStringLiteral("input-default-bindings=no"),
               QStringLiteral("input-vo-keyboard=no"),
               // Without a sound device a file still plays, silently, and ends as played.
               QStringLiteral("audio-fallback-to-null=yes"),
               // A file ends when its sound has played out; the next one then starts at once, instead of
               // waiting for the sound of the last one to drain.
               QStringLiteral("gapless-audio=no"),
           } +
           options.extra;
}

// libmpv takes "name://..." for a protocol (http, edl, av, fd and more): the path it is handed is absolute,
// so that it is always a local file. A relative path is taken from the working folder, as the file system
// takes it.
QByteArray localFile(const QString& path) {
    return QFile::encodeName(path.startsWith(u'/') ? path : QDir::currentPath() + u'/' + path);
}

// libmpv's "metadata": a map of the tags' names to their texts.
QMap<QString, QString> tagsOf(const mpv_event_property& property) {
    QMap<QString, QString> tags;
    if (property.format != MPV_FORMAT_NODE) return tags;
    const auto* node = static_cast<const mpv_node*>(property.data);
    if (node->format != MPV_FORMAT_NODE_MAP) return tags;
    const mpv_node_list& map = *node->u.list;
    for (int i = 0; i < map.num; ++i) {
        if (map.values[i].format == MPV_FORMAT_STRING)
            tags.insert(QString::fromUtf8(map.keys[i]), QString::fromUtf8(map.values[i].u.string));
    }
    return tags;
}

}  // namespace

std::unique_ptr<PlayerBackend> MpvBackend::create(Listener& listener, QWidget* parent, const Options& options,
                                                  QString* error) {
    // libmpv refuses to start unless numbers are formatted the C way; Qt sets the locale from the
    // environment.
    std::setlocale(LC_NUMERIC, "C");
    mpv_handle* mpv = mpv_create();
    if (!mpv) {
        *error = QStringLiteral("libmpv non si avvia");
        return nullptr;
    }
    for (const QString& setting : settingsFor(options)) {
        const QByteArray name = setting.section(QLatin1Char('='), 0, 0).toUtf8();
        const QByteArray value = setting.section(QLatin1Char('='), 1).toUtf8();
        mpv_set_option_string(mpv, name.constData(), value.constData());
    }
    const int started = mpv_initialize(mpv);
    if (started < 0) {
        *error = QString::fromUtf8(mpv_error_string(started));
        mpv_terminate_destroy(mpv);
        return nullptr;
    }
    std::unique_ptr<MpvBackend> backend(new MpvBackend(listener, mpv));
    backend->showVideoIn(parent, options.drawVideo);
    return backend;
}

MpvBackend::MpvBackend(Listener& listener, mpv_handle* mpv) : m_listener(listener), m_mpv(mpv) {
    mpv_observe_property(m_mpv, kDuration, "duration", MPV_FORMAT_DOUBLE);
    mpv_observe_property(m_mpv, kPause, "pause", MPV_FORMAT_FLAG);
    mpv_observe_property(m_mpv, kTags, "metadata", MPV_FORMAT_NODE);
    m_positionAsked.setInterval(kPositionAskedEvery);
    connect(&m_positionAsked, &QTimer::timeout, this,
            [this] { mpv_get_property_async(m_mpv, kPosition, "time-pos", MPV_FORMAT_DOUBLE); });
    mpv_set_wakeup_callback(
        m_mpv,
        [](void* backend) {
            QMetaObject::invokeMethod(static_cast<MpvBackend*>(backend), &MpvBackend::drainEvents,
                                      Qt::QueuedConnection);
        },
        this);
}

// The picture, when drawn, fills a black area that stays when it cannot be drawn.
void MpvBackend::showVideoIn(QWidget* parent, bool drawVideo) {
    m_video = new QWidget(parent);
    m_video->setStyleSheet(QStringLiteral("background: black"));
    m_video->setAttribute(Qt::WA_StyledBackground);
    if (!drawVideo) return;
    m_picture = new MpvVideoWindow(m_mpv);
    m_pictureHolder = QWidget::createWindowContainer(m_picture, m_video);
    m_pictureHolder->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(m_video);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pictureHolder);
    connect(m_picture, &MpvVideoWindow::ready, this, [this] {
        if (std::exchange(m_loadWhenReady, false)) loadNow();
    });
    // Once the picture's own setting up is over.
    connect(m_picture, &MpvVideoWindow::unusable, this, &MpvBackend::playWithoutPicture,
            Qt::QueuedConnection);
}

// libmpv cannot draw with this OpenGL: a file waiting for the picture would wait for ever, and a video
// would fail; files play without one instead.
void MpvBackend::playWithoutPicture() {
    mpv_set_property_string(m_mpv, "vo", "null");
    m_pictureHolder->hide();
    m_pictureHolder->deleteLater();  // the picture's window with it
    m_pictureHolder = nullptr;
    m_picture = nullptr;
    if (std::exchange(m_loadWhenReady, false)) loadNow();
}

// The picture's render context needs libmpv, and libmpv's end the render context: the picture goes first.
MpvBackend::~MpvBackend() {
    mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
    delete m_video.data();
    mpv_terminate_destroy(m_mpv);
}

void MpvBackend::load(const QString& path) {
    m_path = path;
    setFlag(m_mpv, "pause", true);
    m_track.stopped();
    if (m_picture && !m_picture->isReady()) {
        m_loadWhenReady = true;
        return;
    }
    loadNow();
}

void MpvBackend::loadNow() {
    const QByteArray path = localFile(m_path);
    const char* command[] = {"loadfile", path.constData(), "replace", nullptr};
    mpv_node result;
    const int loaded = mpv_command_ret(m_mpv, command, &result);
    if (loaded < 0) {
        const QString error = QString::fromUtf8(mpv_error_string(loaded));
        QMetaObject::invokeMethod(
            this, [this, error] { m_listener.fileEnded(TrackEnd::CouldNotPlay, error); },
            Qt::QueuedConnection);
        return;
    }
    m_positionAsked.start();
    if (result.format == MPV_FORMAT_NODE_MAP) {
        for (int i = 0; i < result.u.list->num; ++i) {
            if (qstrcmp(result.u.list->keys[i], "playlist_entry_id") == 0)
                m_track.loaded(result.u.list->values[i].u.int64);
        }
    }
    mpv_free_node_contents(&result);
}

void MpvBackend::setPaused(bool paused) {
    setFlag(m_mpv, "pause", paused);
}

void MpvBackend::stop() {
    m_track.stopped();
    m_positionAsked.stop();
    m_loadWhenReady = false;
    const char* command[] = {"stop", nullptr};
    mpv_command(m_mpv, command);
}

void MpvBackend::seek(double seconds) {
    const QByteArray position = QByteArray::number(seconds);
    const char* command[] = {"seek", position.constData(), "absolute", nullptr};
    mpv_command_async(m_mpv, 0, command);
}

void MpvBackend::setVolume(int percent) {
    double volume = percent;
    mpv_set_property(m_mpv, "volume", MPV_FORMAT_DOUBLE, &volume);
}

void MpvBackend::setMuted(bool muted) {
    setFlag(m_mpv, "mute", muted);
}

void MpvBackend::setStretched(bool stretched) {
    mpv_set_property_string(m_mpv, "video-unscaled", stretched ? "no" : "downscale-big");
}

void MpvBackend::drainEvents() {
    while (const mpv_event* event = mpv_wait_event(m_mpv, 0)) {
        switch (event->event_id) {
            case MPV_EVENT_NONE:
                return;
            case MPV_EVENT_END_FILE:
                endOfFile(*static_cast<mpv_event_end_file*>(event->data));
                break;
            case MPV_EVENT_PROPERTY_CHANGE:
                propertyChanged(event->reply_userdata, *static_cast<mpv_event_property*>(event->data));
                break;
            case MPV_EVENT_GET_PROPERTY_REPLY:
                if (event->error >= 0)
                    propertyChanged(event->reply_userdata, *static_cast<mpv_event_property*>(event->data));
                break;
            case MPV_EVENT_PLAYBACK_RESTART:
                m_listener.playbackRestarted();
                break;
            default:
                break;
        }
    }
}

void MpvBackend::endOfFile(const mpv_event_end_file& end) {
    const std::optional<TrackEnd> trackEnd =
        m_track.ended({end.reason, end.error, end.playlist_entry_id, end.playlist_insert_id,
                       end.playlist_insert_num_entries});
    if (!trackEnd) return;
    m_positionAsked.stop();
    const bool failed = *trackEnd == TrackEnd::CouldNotPlay;
    m_listener.fileEnded(*trackEnd, failed ? QString::fromUtf8(mpv_error_string(end.error)) : QString());
}

void MpvBackend::propertyChanged(uint64_t observed, const mpv_event_property& property) {
    const bool known = property.format != MPV_FORMAT_NONE;
    switch (observed) {
        case kPosition:
            m_listener.positionChanged(known ? *static_cast<double*>(property.data) : 0);
            break;
        case kDuration:
            m_listener.durationChanged(known ? *static_cast<double*>(property.data) : 0);
            break;
        case kPause:
            m_listener.pausedChanged(known && *static_cast<int*>(property.data));
            break;
        case kTags:
            m_listener.tagsChanged(tagsOf(property));
            break;
        default:
            break;
    }
}
