#include "savefile.h"

#include <QSaveFile>

bool saveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // A writable file in a folder where no new file can be made is written in place: the one case in which
    // a failed write can leave it half written.
    file.setDirectWriteFallback(true);
    // Unbuffered, so that a short write (a full disk) shows in the count written, which the buffered
    // device would hide until commit() and there report as success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(bytes) != bytes.size()) return false;
    return file.commit();
}
