#pragma once

#include "settingsrecord.h"

#include <QObject>

// ZEBcfg.dat over a run: read once at start-up, and written at a confirmed exit off the user-interface
// thread, so that a settings folder on a share that does not answer cannot freeze the window.
class SettingsSession : public QObject {
    Q_OBJECT
public:
    explicit SettingsSession(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    SettingsRecord read() const;
    void save(const SettingsRecord& record);

Q_SIGNALS:
    // The end of a save: false when the file could not be written, and stays as it was.
    void saved(bool written);

private:
    QString m_path;
};
