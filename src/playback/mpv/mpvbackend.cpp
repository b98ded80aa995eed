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

enum Observed : uint64_t { kPosition = 1, kDuration, kPause, kTags, kIdle, kPicture };

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
               // The sound output stays open from one file of the playlist to the next when their sound is
               // of one format, so that the second follows the first without a gap; it is opened anew for
               // another format.
               QStringLiteral("gapless-audio=weak"),
           } +
           options.extra;
}

// libmpv takes "name://..." for a protocol (http, edl, av, fd and more): the path it is handed is absolute,
// so that it is always a local file. A relative path is taken from the working folder, as the file system
// takes it.
QByteArray localFile(const QString& path) {
    return QFile::encodeName(path.startsWith(u'/') ? path : QDir::currentPath() + u'/' + path);
}

// The value of a key of a node map, if there is one of that format.
const mpv_node* valueOf(const mpv_node& map, const char* key, mpv_format format) {
    if (map.format != MPV_FORMAT_NODE_MAP) return nullptr;
    for (int i = 0; i < map.u.list->num; ++i) {
        const mpv_node& value = map.u.list->values[i];
        if (qstrcmp(map.u.list->keys[i], key) == 0 && value.format == format) return &value;
    }
    return nullptr;
}

// The playlist_entry_id of a loadfile command's result.
std::optional<std::int64_t> entryOf(const mpv_node& result) {
    const mpv_node* entry = valueOf(result, "playlist_entry_id", MPV_FORMAT_INT64);
    return entry ? std::optional<std::int64_t>(entry->u.int64) : std::nullopt;
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
    mpv_observe_property(m_mpv, kIdle, "idle-active", MPV_FORMAT_FLAG);
    // Known while a video track is decoded, drawn or not; covers are not, since audio-display is off.
    mpv_observe_property(m_mpv, kPicture, "video-format", MPV_FORMAT_STRING);
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
    m_queued.reset();
    m_heldEnd.reset();
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
    if (const std::optional<std::int64_t> entry = entryOf(result)) m_track.loaded(*entry);
    mpv_free_node_contents(&result);
}

// The queued file becomes the next entry of libmpv's playlist, which goes on to it by itself.
void MpvBackend::queue(const QString& path) {
    const QByteArray file = localFile(path);
    const char* command[] = {"loadfile", file.constData(), "append", nullptr};
    mpv_node result;
    if (mpv_command_ret(m_mpv, command, &result) < 0) return;
    m_queued = entryOf(result);
    mpv_free_node_contents(&result);
}

bool MpvBackend::dequeue() {
    if (!m_queued) return true;
    const std::optional<qsizetype> index = indexOfQueued();
    if (!index) return false;
    const QByteArray position = QByteArray::number(*index);
    const char* command[] = {"playlist-remove", position.constData(), nullptr};
    mpv_command(m_mpv, command);
    m_queued.reset();
    // An end held for the entry is told once libmpv, without it, goes idle.
    return true;
}

// Where the queued entry is in libmpv's playlist, unless it has begun.
std::optional<qsizetype> MpvBackend::indexOfQueued() const {
    mpv_node playlist;
    if (mpv_get_property(m_mpv, "playlist", MPV_FORMAT_NODE, &playlist) < 0) return std::nullopt;
    std::optional<qsizetype> index;
    if (playlist.format == MPV_FORMAT_NODE_ARRAY) {
        for (int i = 0; i < playlist.u.list->num; ++i) {
            const mpv_node& entry = playlist.u.list->values[i];
            const mpv_node* id = valueOf(entry, "id", MPV_FORMAT_INT64);
            const mpv_node* current = valueOf(entry, "current", MPV_FORMAT_FLAG);
            if (id && id->u.int64 == *m_queued && !(current && current->u.flag)) index = i;
        }
    }
    mpv_free_node_contents(&playlist);
    return index;
}

void MpvBackend::setPaused(bool paused) {
    setFlag(m_mpv, "pause", paused);
}

void MpvBackend::stop() {
    m_track.stopped();
    m_queued.reset();
    m_heldEnd.reset();
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
            case MPV_EVENT_START_FILE:
                startOfFile(static_cast<mpv_event_start_file*>(event->data)->playlist_entry_id);
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
    const bool failed = *trackEnd == TrackEnd::CouldNotPlay;
    const QString error = failed ? QString::fromUtf8(mpv_error_string(end.error)) : QString();
    // libmpv goes on to the queued entry, unless it goes idle first (the entry came too late).
    if (m_queued) {
        m_heldEnd = HeldEnd{*trackEnd, error};
        return;
    }
    tellEnd(*trackEnd, error);
}

void MpvBackend::tellEnd(TrackEnd end, const QString& error) {
    m_positionAsked.stop();
    m_listener.fileEnded(end, error);
}

// The queued entry goes on from a track that played. After one that failed or held nothing, the owner
// hears of that end as without a queue, and decides again what plays: the entry's ends are stale.
void MpvBackend::startOfFile(std::int64_t entry) {
    if (entry != m_queued) return;
    m_queued.reset();
    const std::optional<HeldEnd> held = std::exchange(m_heldEnd, std::nullopt);
    if (held && held->end != TrackEnd::Played) {
        tellEnd(held->end, held->error);
        return;
    }
    m_track.loaded(entry);
    m_listener.queuedStarted();
}

void MpvBackend::idleChanged(bool idle) {
    if (!idle || !m_heldEnd) return;
    const HeldEnd held = *std::exchange(m_heldEnd, std::nullopt);
    m_queued.reset();
    tellEnd(held.end, held.error);
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
        case kIdle:
            idleChanged(known && *static_cast<int*>(property.data));
            break;
        case kPicture:
            m_listener.pictureChanged(known);
            break;
        default:
            break;
    }
}
