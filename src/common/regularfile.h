#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file opened for reading only if it is a regular file: a FIFO, a device or a folder is refused, and
// opening never waits, as it would for a FIFO without a writer.
class RegularFile {
public:
    explicit RegularFile(const QString& path);

    bool isOpen() const { return m_file.isOpen(); }
    qint64 size() const { return m_size; }
    // Up to maxBytes more of the file.
    QByteArray read(qint64 maxBytes) { return m_file.read(maxBytes); }

private:
    QFile m_file;
    qint64 m_size = 0;
};
