#include "singleinstance.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDeadlineTimer>

namespace {

const QString kServiceName = QStringLiteral("org.zeb.ZEB");
const QString kObjectPath = QStringLiteral("/org/zeb/ZEB");
const QString kInterface = QStringLiteral("org.zeb.ZEB");
// The running ZEB answers at once, even with a box open; longer than this, it hangs.
constexpr int kAnswerTimeoutMs = 5000;
// It acts only on a request that reaches it this soon: the rest of the wait leaves time for its answer
// to come back before this ZEB gives up and plays the paths itself.
constexpr int kActWithinMs = 4000;

}  // namespace

SingleInstance::Role SingleInstance::start(const QStringList& paths, bool enqueue) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(kObjectPath, this, QDBusConnection::ExportScriptableSlots))
        return Role::Alone;
    // Twice: the ZEB that owns the name may end between the two steps, leaving it free.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (bus.registerService(kServiceName)) return Role::First;
        if (handOver(bus, paths, enqueue)) return Role::HandedOver;
        if (bus.interface()->isServiceRegistered(kServiceName)) break;
    }
    bus.unregisterObject(kObjectPath);
    return Role::Alone;
}

bool SingleInstance::handOver(QDBusConnection& bus, const QStringList& paths, bool enqueue) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(kServiceName, kObjectPath, kInterface, QStringLiteral("Open"));
    call << paths << enqueue << qlonglong(QDeadlineTimer(kActWithinMs).deadline());
    return bus.call(call, QDBus::Block, kAnswerTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

void SingleInstance::Open(const QStringList& paths, bool enqueue, qlonglong deadline) {
    if (QDeadlineTimer::current().deadline() <= deadline) Q_EMIT openRequested(paths, enqueue);
}
