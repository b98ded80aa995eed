#pragma once

#include <QObject>
#include <QStringList>

class QDBusConnection;

// One ZEB per user session. The first ZEB to start owns the name org.zeb.ZEB on the session bus; a ZEB
// started while it runs hands its paths over to it and ends. Without a session bus, or when the running
// ZEB does not answer in time, each ZEB runs on its own, and the running one drops the request should it
// reach it later: a path handed over is acted on once, by one ZEB.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.zeb.ZEB")
public:
    enum class Role { First, HandedOver, Alone };

    // Owns the name, or hands the paths over to the ZEB that owns it.
    Role start(const QStringList& paths, bool enqueue);

public Q_SLOTS:
    // What a later ZEB hands over: paths, to be added to the playlist rather than played when enqueue is
    // set. Dropped unless it arrives by the deadline, a time of the system's monotonic clock in
    // milliseconds, by which the later ZEB still waits for the answer.
    Q_SCRIPTABLE void Open(const QStringList& paths, bool enqueue, qlonglong deadline);

Q_SIGNALS:
    void openRequested(const QStringList& paths, bool enqueue);

private:
    static bool handOver(QDBusConnection& bus, const QStringList& paths, bool enqueue);
};
