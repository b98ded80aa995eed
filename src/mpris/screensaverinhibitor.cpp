#include "screensaverinhibitor.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QVariantMap>

namespace {

const QString kApplication = QStringLiteral("ZEB");
const QString kReason = QStringLiteral("Riproduzione di un video");

QDBusMessage screenSaverInhibit() {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Inhibit"));
    message << kApplication << kReason;
    return message;
}

QDBusMessage screenSaverRelease(const QDBusMessage& reply) {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/ScreenSaver"),
        QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("UnInhibit"));
    message << reply.arguments().value(0);
    return message;
}

// Flag 8: the session is not to go idle.
QDBusMessage portalInhibit() {
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    message << QString() << 8u << QVariantMap{{QStringLiteral("reason"), kReason}};
    return message;
}

QDBusMessage portalRelease(const QDBusMessage& reply) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"),
                                          reply.arguments().value(0).value<QDBusObjectPath>().path(),
                                          QStringLiteral("org.freedesktop.portal.Request"),
                                          QStringLiteral("Close"));
}

}  // namespace

BusHold::BusHold(QDBusConnection bus, QDBusMessage request, Release release, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)), m_request(std::move(request)), m_release(std::move(release)) {
    // A desktop without the service is not to start one for it.
    m_request.setAutoStartService(false);
}

BusHold::~BusHold() {
    setWanted(false);
}

void BusHold::setWanted(bool wanted) {
    if (wanted == m_wanted) return;
    m_wanted = wanted;
    if (!wanted && m_held) {
        m_bus.send(*std::exchange(m_held, std::nullopt));
    } else if (wanted && !m_asking && !m_held) {
        m_asking = true;
        auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(m_request), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
            call->deleteLater();
            replied(call->reply());
        });
    }
}

void BusHold::replied(const QDBusMessage& reply) {
    m_asking = false;
    if (reply.type() != QDBusMessage::ReplyMessage) return;
    const QDBusMessage release = m_release(reply);
    if (m_wanted) {
        m_held = release;
    } else {
        m_bus.send(release);
    }
}

ScreenSaverInhibitor::ScreenSaverInhibitor(QDBusConnection bus)
    : m_screenSaver(bus, screenSaverInhibit(), screenSaverRelease, this),
      m_portal(bus, portalInhibit(), portalRelease, this) {}

void ScreenSaverInhibitor::setWanted(bool wanted) {
    m_screenSaver.setWanted(wanted);
    m_portal.setWanted(wanted);
}
