#include "settingscodec.h"

#include "textcodec.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

namespace {

enum Tag : quint16 { kEmpty = 0, kInteger = 2, kFloat = 4, kText = 8 };

struct Item {
    enum class Kind { Empty, Number, Text } kind = Kind::Empty;
    double number = 0;
    QByteArrayView text;
};

qsizetype recordOffset(int record) {
    return qsizetype(record - 1) * kSettingsRecordSize;
}

class RecordReader {
public:
    explicit RecordReader(QByteArrayView file) : m_file(file) {}

    Item item(int record) const {
        const qsizetype offset = recordOffset(record);
        const qsizetype available = std::min<qsizetype>(kSettingsRecordSize, m_file.size() - offset);
        if (available < 2) return {};
        const char* bytes = m_file.data() + offset;
        const auto has = [&](qsizetype count) { return 2 + count <= available; };
        switch (qFromLittleEndian<quint16>(bytes)) {
            case kInteger:
                if (!has(2)) return {};
                return {Item::Kind::Number, double(qFromLittleEndian<qint16>(bytes + 2)), {}};
            case kFloat:
                if (!has(4)) return {};
                return {Item::Kind::Number, std::bit_cast<float>(qFromLittleEndian<quint32>(bytes + 2)), {}};
            case kText: {
                if (!has(2)) return {};
                const quint16 length = qFromLittleEndian<quint16>(bytes + 2);
                if (!has(2 + length)) return {};
                return {Item::Kind::Text, 0, QByteArrayView(bytes + 4, length)};
            }
            default:
                return {};
        }
    }

    QString text(int record) const {
        const Item read = item(record);
        return read.kind == Item::Kind::Text ? decodeText(read.text) : QString();
    }

    float real(int record) const {
        const Item read = item(record);
        return read.kind == Item::Kind::Number ? float(read.number) : 0.0f;
    }

    int whole(int record) const {
        const Item read = item(record);
        if (read.kind != Item::Kind::Number || !std::isfinite(read.number)) return 0;
        return int(std::clamp(std::nearbyint(read.number), -2147483648.0, 2147483647.0));
    }

private:
    QByteArrayView m_file;
};

class RecordWriter {
public:
    explicit RecordWriter(QByteArray& file) : m_file(file) {}

    void integer(int record, qint16 value) {
        char* bytes = clear(record, kInteger);
        qToLittleEndian<qint16>(value, bytes + 2);
    }

    void real(int record, float value) {
        char* bytes = clear(record, kFloat);
        qToLittleEndian<quint32>(std::bit_cast<quint32>(value), bytes + 2);
    }

    void text(int record, const QString& value) {
        QByteArray encoded = encodeText(value);
        if (encoded.size() > kMaxSettingsTextBytes) encoded.clear();
        char* bytes = clear(record, kText);
        qToLittleEndian<quint16>(quint16(encoded.size()), bytes + 2);
        std::memcpy(bytes + 4, encoded.constData(), size_t(encoded.size()));
    }

private:
    char* clear(int record, quint16 tag) {
        char* bytes = m_file.data() + recordOffset(record);
        std::memset(bytes, 0, kSettingsRecordSize);
        qToLittleEndian<quint16>(tag, bytes);
        return bytes;
    }

    QByteArray& m_file;
};

}  // namespace

SettingsRecord decodeSettings(QByteArrayView file) {
    const RecordReader reader(file);
    SettingsRecord record;
    record.currentListFile = reader.text(1);
    record.continuo = reader.whole(2) != 0;
    record.random = reader.whole(3) != 0;
    record.clicco = reader.whole(4) == 1 ? 1 : 0;
    record.viewer = {reader.real(5), reader.real(6)};
    record.main = {reader.real(7), reader.real(8)};
    record.scala = reader.whole(9) != 0;
    const int count = std::clamp(reader.whole(10), 0, kMaxEntries);
    record.formats.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const bool ticked =
            reader.text(11 + count + i).compare(QLatin1String("si"), Qt::CaseInsensitive) == 0;
        record.formats.push_back({reader.text(11 + i), ticked});
    }
    return record;
}

QByteArray encodeSettings(const SettingsRecord& record, QByteArray previous) {
    const int count = int(std::min<size_t>(record.formats.size(), kMaxEntries));
    const qsizetype needed = recordOffset(11 + 2 * count);
    if (previous.size() < needed) previous.resize(needed, '\0');

    RecordWriter writer(previous);
    writer.text(1, record.currentListFile);
    writer.integer(2, record.continuo);
    writer.integer(3, record.random);
    writer.integer(4, qint16(record.clicco == 1 ? 1 : 0));
    writer.real(5, record.viewer.left);
    writer.real(6, record.viewer.top);
    writer.real(7, record.main.left);
    writer.real(8, record.main.top);
    writer.integer(9, record.scala);
    writer.integer(10, qint16(count));
    for (int i = 0; i < count; ++i) {
        const Format& format = record.formats[size_t(i)];
        writer.text(11 + i, format.extension);
        writer.text(11 + count + i, format.active ? QStringLiteral("si") : QStringLiteral("no"));
    }
    return previous;
}
