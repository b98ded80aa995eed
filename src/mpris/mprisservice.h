#pragma once

#include <QObject>
#include <QTimer>
#include <QVariantMap>

class MediaControls;
class QDBusAbstractAdaptor;

// The media controls on the session bus, as org.mpris.MediaPlayer2.zeb: the desktop's media panel and
// the media keys find them there. Every change of a property is announced once the current event is
// handled, so that a track that follows another shows no stop between them; the position is not announced
// (the bus hears of seeks instead).
class MprisService : public QObject {
    Q_OBJECT
public:
    explicit MprisService(MediaControls& controls);

    // Registers on the session bus, if there is one, without waiting for the bus's answer.
    void start();

private:
    void announceChanges();
    void announce(qsizetype interface);

    QObject m_object;
    QList<QDBusAbstractAdaptor*> m_adaptors;
    // What the bus was last told of each interface.
    QList<QVariantMap> m_announced;
    QTimer m_pending;
    bool m_started = false;
};
