#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

// A mounted file system as the kernel's mount table lists it.
struct Mount {
    QString point;
    QByteArray type;
    bool operator==(const Mount&) const = default;
};

// The mounts of the text of /proc/self/mountinfo, in its order; lines that are not well formed are left out.
std::vector<Mount> parseMountInfo(QByteArrayView text);

// The mounts of this process, read from the kernel's table: no mounted file system is asked anything, so
// a share that does not answer cannot hold the caller up.
std::vector<Mount> mountsOfThisProcess();
