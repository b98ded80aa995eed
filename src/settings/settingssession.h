#pragma once

#include "listeningstate.h"
#include "settingsrecord.h"

#include <QObject>

#include <memory>

class QLockFile;

// ZEBcfg.dat, and the player's state beside it, over a run: read once at start-up, and written at a
// confirmed exit off the user-interface thread, so that a settings folder on a share that does not answer
// cannot freeze the window.
//
// Only one ZEB at a time may write the file: a session claims it when it begins, with a lock file beside
// it (hidden, so never listed) that goes when the session ends or its process dies. A session that found
// the file claimed never writes it, not even once the other ZEB has gone: its record is the one read
// before the other's exit, and writing it would undo what the other saved.
class SettingsSession : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Written, Failed, HeldByAnother };

    explicit SettingsSession(QString path);
    ~SettingsSession() override;

    const QString& path() const { return m_path; }
    SettingsRecord read() const;
    ListeningState readListening() const;
    // The state is kept as well as it can be: the outcome tells of the settings.
    void save(const SettingsRecord& record, const ListeningState& listening);

Q_SIGNALS:
    // The end of a save; the file stays as it was unless it was written.
    void saved(SettingsSession::Outcome outcome);

private:
    QString m_path;
    // Shared with a save under way, which may outlast the session.
    std::shared_ptr<QLockFile> m_lock;
};
