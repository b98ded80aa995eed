#include "mprisservice.h"

#include "mediacontrols.h"
#include "mprisadaptors.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMetaProperty>

namespace {

const QString kServiceName = QStringLiteral("org.mpris.MediaPlayer2.zeb");
const QString kObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
// The name is ours only while no other program holds it.
constexpr uint kDoNotQueue = 4;
// The longest a track being opened holds back what the bus hears: a local file opens in far less.
constexpr qint64 kOpeningHeldBackMs = 500;

QString interfaceOf(const QDBusAbstractAdaptor* adaptor) {
    const QMetaObject* type = adaptor->metaObject();
    return QString::fromLatin1(type->classInfo(type->indexOfClassInfo("D-Bus Interface")).value());
}

QVariantMap propertiesOf(const QDBusAbstractAdaptor* adaptor) {
    QVariantMap properties;
    const QMetaObject* type = adaptor->metaObject();
    for (int i = type->propertyOffset(); i < type->propertyCount(); ++i) {
        const QMetaProperty property = type->property(i);
        if (qstrcmp(property.name(), "Position") != 0)
            properties.insert(QString::fromLatin1(property.name()), property.read(adaptor));
    }
    return properties;
}

}  // namespace

MprisService::MprisService(MediaControls& controls)
    : m_controls(controls),
      m_adaptors{new MprisRootAdaptor(controls, &m_object), new MprisPlayerAdaptor(controls, &m_object)} {
    for (const QDBusAbstractAdaptor* adaptor : std::as_const(m_adaptors))
        m_announced.append(propertiesOf(adaptor));
    m_pending.setSingleShot(true);
    connect(&m_pending, &QTimer::timeout, this, &MprisService::announceChanges);
    connect(&controls, &MediaControls::changed, this, &MprisService::changed);
}

// Started once for a burst of changes, never put off by the next one; held back by a track being opened
// only until the next change, which may be the end of the opening.
void MprisService::changed() {
    if (!m_pending.isActive() || m_heldBack.isValid()) m_pending.start(0);
}

void MprisService::start() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(kObjectPath, &m_object, QDBusConnection::ExportAdaptors))
        return;
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << kServiceName << kDoNotQueue;
    bus.send(request);
    m_started = true;
}

void MprisService::announceChanges() {
    if (!m_controls.isOpeningTrack()) {
        m_heldBack.invalidate();
    } else {
        if (!m_heldBack.isValid()) m_heldBack.start();
        const qint64 left = kOpeningHeldBackMs - m_heldBack.elapsed();
        if (left > 0) {
            m_pending.start(int(left));
            return;
        }
    }
    for (qsizetype interface = 0; interface < m_adaptors.size(); ++interface) announce(interface);
}

void MprisService::announce(qsizetype interface) {
    const QVariantMap now = propertiesOf(m_adaptors[interface]);
    QVariantMap changed;
    for (auto property = now.cbegin(); property != now.cend(); ++property) {
        if (m_announced[interface].value(property.key()) != property.value())
            changed.insert(property.key(), property.value());
    }
    m_announced[interface] = now;
    if (changed.isEmpty() || !m_started) return;
    QDBusMessage signal = QDBusMessage::createSignal(
        kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << interfaceOf(m_adaptors[interface]) << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}
