#pragma once

#include <QObject>
#include <QStringList>

class QDBusConnection;

// One ZEB per user session. The first ZEB to start owns the name org.zeb.ZEB on the session bus; a ZEB
// started while it runs hands its paths over to it and ends. Without a session bus, or when the running
// ZEB does not answer, each ZEB runs on its own.
class SingleInstance : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.zeb.ZEB")
public:
    enum class Role { First, HandedOver, Alone };

    // Owns the name, or hands the paths over to the ZEB that owns it.
    Role start(const QStringList& paths, bool enqueue);

public Q_SLOTS:
    // What a later ZEB hands over: absolute paths, to be added to the playlist rather than played when
    // enqueue is set.
    Q_SCRIPTABLE void Open(const QStringList& paths, bool enqueue);

Q_SIGNALS:
    void openRequested(const QStringList& paths, bool enqueue);

private:
    static bool handOver(QDBusConnection& bus, const QStringList& paths, bool enqueue);
};
