#pragma once

#include "mounttable.h"

#include <QFile>
#include <QObject>

#include <vector>

// Tells when a file system has been mounted or unmounted, with the mounts of the kernel's table then. The
// kernel marks the table's descriptor to whoever polls it after each change; reading the table asks no
// mounted file system anything.
class MountWatch : public QObject {
    Q_OBJECT
public:
    explicit MountWatch(QObject* parent);

Q_SIGNALS:
    void changed(const std::vector<Mount>& mounts);

private:
    QFile m_table;
};
