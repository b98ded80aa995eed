#pragma once

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <cmath>

// A WAV file of 16-bit samples, interleaved when there are several channels.
inline bool writePcmWav(const QString& path, const QByteArray& data, int rate, int channels) {
    QByteArray header(44, '\0');
    auto put32 = [&](int at, quint32 value) { qToLittleEndian(value, header.data() + at); };
    auto put16 = [&](int at, quint16 value) { qToLittleEndian(value, header.data() + at); };
    header.replace(0, 4, "RIFF");
    put32(4, quint32(36 + data.size()));
    header.replace(8, 8, "WAVEfmt ");
    put32(16, 16);
    put16(20, 1);
    put16(22, quint16(channels));
    put32(24, quint32(rate));
    put32(28, quint32(rate * channels * 2));
    put16(32, quint16(channels * 2));
    put16(34, 16);
    header.replace(36, 4, "data");
    put32(40, quint32(data.size()));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header + data) == header.size() + data.size();
}

// A short WAV file of a sine tone, 8 kHz mono 16-bit, written where the test wants it.
inline bool writeWav(const QString& path, int milliseconds) {
    const int samples = 8000 * milliseconds / 1000;
    QByteArray data(samples * 2, '\0');
    for (int i = 0; i < samples; ++i) {
        qToLittleEndian<qint16>(qint16(8000 * std::sin(i * 0.3)), data.data() + 2 * i);
    }
    return writePcmWav(path, data, 8000, 1);
}
