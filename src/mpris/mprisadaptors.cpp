#include "mprisadaptors.h"

#include "mediacontrols.h"
#include "mprishost.h"

#include <QDBusConnection>
#include <QFile>

MprisRootAdaptor::MprisRootAdaptor(MediaControls& controls, QObject* object)
    : QDBusAbstractAdaptor(object), m_controls(controls) {}

QString MprisRootAdaptor::identity() const {
    return QStringLiteral("ZEB");
}

QString MprisRootAdaptor::desktopEntry() const {
    return QStringLiteral("zeb");
}

// Only local files: ZEB never fetches anything.
QStringList MprisRootAdaptor::supportedUriSchemes() const {
    return {QStringLiteral("file")};
}

// The types the desktop entry offers ZEB for: the list it is written from, one type a line.
QStringList MprisRootAdaptor::supportedMimeTypes() const {
    QFile list(QStringLiteral(":/mimetypes.txt"));
    if (!list.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void MprisRootAdaptor::Raise() {
    m_controls.host().raiseWindow();
}

// The exit question waits for the user: the call is answered before it is asked.
void MprisRootAdaptor::Quit() {
    QMetaObject::invokeMethod(
        this, [this] { m_controls.host().askToQuit(); }, Qt::QueuedConnection);
}

MprisPlayerAdaptor::MprisPlayerAdaptor(MediaControls& controls, QObject* object)
    : QDBusAbstractAdaptor(object), m_controls(controls) {
    connect(&m_controls, &MediaControls::seeked, this, &MprisPlayerAdaptor::Seeked);
}

QString MprisPlayerAdaptor::playbackStatus() const {
    return m_controls.playbackStatus();
}

QString MprisPlayerAdaptor::loopStatus() const {
    return m_controls.loopStatus();
}

void MprisPlayerAdaptor::setLoopStatus(const QString& status) {
    m_controls.setLoopStatus(status);
}

bool MprisPlayerAdaptor::shuffle() const {
    return m_controls.shuffle();
}

void MprisPlayerAdaptor::setShuffle(bool on) {
    m_controls.setShuffle(on);
}

QVariantMap MprisPlayerAdaptor::metadata() const {
    return m_controls.metadata();
}

double MprisPlayerAdaptor::volume() const {
    return m_controls.volume();
}

void MprisPlayerAdaptor::setVolume(double volume) {
    m_controls.setVolume(volume);
}

qlonglong MprisPlayerAdaptor::position() const {
    return m_controls.position();
}

bool MprisPlayerAdaptor::canPlay() const {
    return m_controls.canPlay();
}

bool MprisPlayerAdaptor::canGoNext() const {
    return m_controls.canGoNext();
}

bool MprisPlayerAdaptor::canGoPrevious() const {
    return m_controls.canGoPrevious();
}

bool MprisPlayerAdaptor::canSeek() const {
    return m_controls.canSeek();
}

void MprisPlayerAdaptor::Next() {
    m_controls.next();
}

void MprisPlayerAdaptor::Previous() {
    m_controls.previous();
}

void MprisPlayerAdaptor::Pause() {
    m_controls.pause();
}

void MprisPlayerAdaptor::PlayPause() {
    m_controls.playPause();
}

void MprisPlayerAdaptor::Stop() {
    m_controls.stop();
}

void MprisPlayerAdaptor::Play() {
    m_controls.play();
}

void MprisPlayerAdaptor::Seek(qlonglong Offset) {
    m_controls.seek(Offset);
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position) {
    m_controls.setPosition(TrackId, Position);
}

void MprisPlayerAdaptor::OpenUri(const QString& Uri, const QDBusMessage& message) {
    if (m_controls.openUri(Uri)) return;
    message.setDelayedReply(true);
    QDBusConnection::sessionBus().send(
        message.createErrorReply(QDBusError::NotSupported, QStringLiteral("ZEB apre soltanto file locali")));
}
