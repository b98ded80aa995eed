#include "textcodec.h"

#include <QStringDecoder>

#include <array>

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to the C1 controls, as Windows does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = (code >= 0x80 && code < 0xA0) ? QChar(kWindows1252High[code - 0x80]) : QChar(char16_t(code));
    }
    return text;
}

}  // namespace

QString decodeText(QByteArrayView bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? decodeWindows1252(bytes) : text;
}

QByteArray encodeText(const QString& text) {
    return text.toUtf8();
}
