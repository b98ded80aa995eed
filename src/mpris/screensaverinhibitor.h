#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

#include <functional>
#include <optional>

// One desktop service's hold on the screen saver: asked for when wanted, released when no longer, and
// never waited for. A reply that comes after the hold stopped being wanted is released at once.
class BusHold : public QObject {
    Q_OBJECT
public:
    // The release is made from the reply to the request: a cookie, or the handle of a request.
    using Release = std::function<QDBusMessage(const QDBusMessage& reply)>;
    BusHold(QDBusConnection bus, QDBusMessage request, Release release, QObject* parent);
    ~BusHold() override;

    void setWanted(bool wanted);

private:
    void replied(const QDBusMessage& reply);

    QDBusConnection m_bus;
    QDBusMessage m_request;
    Release m_release;
    bool m_wanted = false;
    bool m_asking = false;
    std::optional<QDBusMessage> m_held;
};

// Keeps the screen awake while a picture moves: through the desktop's org.freedesktop.ScreenSaver, and the
// XDG desktop portal's idle inhibition where it runs (sandboxes, some Wayland desktops).
class ScreenSaverInhibitor : public QObject {
    Q_OBJECT
public:
    explicit ScreenSaverInhibitor(QDBusConnection bus);

    void setWanted(bool wanted);

private:
    BusHold m_screenSaver;
    BusHold m_portal;
};
