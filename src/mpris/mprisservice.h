#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

class MediaControls;
class QDBusAbstractAdaptor;

// The media controls on the session bus, as org.mpris.MediaPlayer2.zeb: the desktop's media panel and
// the media keys find them there. Every change of a property is announced once the current event is
// handled, so that a track that follows another shows no stop between them; while a track is being
// opened, until its tags and length are known or for half a second at most, so that a panel hears of each
// track once, whole. The position is not announced (the bus hears of seeks instead).
class MprisService : public QObject {
    Q_OBJECT
public:
    explicit MprisService(MediaControls& controls);

    // Registers on the session bus, if there is one, without waiting for the bus's answer.
    void start();

private:
    void changed();
    void announceChanges();
    void announce(qsizetype interface);

    MediaControls& m_controls;
    QObject m_object;
    QList<QDBusAbstractAdaptor*> m_adaptors;
    // What the bus was last told of each interface.
    QList<QVariantMap> m_announced;
    QTimer m_pending;
    // Since when the track being opened has held the announcement back; invalid while none does.
    QElapsedTimer m_heldBack;
    bool m_started = false;
};
