#include "settingssession.h"

#include "background.h"
#include "settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

QString lockPathOf(const QString& settingsPath) {
    const QFileInfo settings(settingsPath);
    return settings.dir().filePath(QLatin1Char('.') + settings.fileName() + QStringLiteral(".lock"));
}

}  // namespace

// The lock of a ZEB that died goes at once; the lock of one that runs never grows old.
SettingsSession::SettingsSession(QString path)
    : m_path(std::move(path)), m_lock(std::make_shared<QLockFile>(lockPathOf(m_path))) {
    m_lock->setStaleLockTime(0);
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock->tryLock(0);
}

SettingsSession::~SettingsSession() = default;

SettingsRecord SettingsSession::read() const {
    return LeggiConfig(m_path);
}

ListeningState SettingsSession::readListening() const {
    return readListeningState(listeningStatePath(m_path));
}

void SettingsSession::save(const SettingsRecord& record, const ListeningState& listening) {
    runInBackground(
        this,
        [path = m_path, record, listening, lock = m_lock] {
            if (!lock->isLocked()) return Outcome::HeldByAnother;
            writeListeningState(listeningStatePath(path), listening);
            return SalvaConfig(path, record) ? Outcome::Written : Outcome::Failed;
        },
        [this](Outcome outcome) { Q_EMIT saved(outcome); });
}
