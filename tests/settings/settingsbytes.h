#pragma once

#include <QByteArray>
#include <QtEndian>

#include <bit>
#include <initializer_list>

// Settings file bytes built by hand, record by record, to hold the codec to the exact layout.
namespace settingsbytes {

inline QByteArray tag(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

inline QByteArray integer(qint16 value) {
    QByteArray bytes = tag(2) + QByteArray(2, '\0');
    qToLittleEndian(value, bytes.data() + 2);
    return bytes;
}

inline QByteArray real(float value) {
    QByteArray bytes = tag(4) + QByteArray(4, '\0');
    qToLittleEndian(std::bit_cast<quint32>(value), bytes.data() + 2);
    return bytes;
}

inline QByteArray text(const QByteArray& value) {
    return tag(8) + tag(quint16(value.size())) + value;
}

inline QByteArray empty() {
    return tag(0);
}

inline QByteArray record(QByteArray item) {
    item.resize(128, '\0');
    return item;
}

inline QByteArray file(std::initializer_list<QByteArray> items) {
    QByteArray bytes;
    for (const QByteArray& item : items) bytes += record(item);
    return bytes;
}

}  // namespace settingsbytes
