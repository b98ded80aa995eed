#include "mountwatch.h"

#include <QSocketNotifier>

// A change shows to poll() as priority data (POLLPRI) on the table's descriptor, which Qt calls an
// exception; the kernel clears the mark as it reports it, so nothing need be read from the descriptor.
MountWatch::MountWatch(QObject* parent) : QObject(parent), m_table(QStringLiteral("/proc/self/mountinfo")) {
    if (!m_table.open(QIODevice::ReadOnly)) return;
    auto* notifier = new QSocketNotifier(m_table.handle(), QSocketNotifier::Exception, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] { Q_EMIT changed(mountsOfThisProcess()); });
}
