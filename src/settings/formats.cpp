#include "formats.h"

#include <QStringList>

#include <algorithm>

QString mediaPattern(const std::vector<Format>& formats) {
    if (formats.empty()) return QStringLiteral("*.");
    QStringList masks;
    masks.reserve(qsizetype(formats.size()));
    for (const Format& format : formats) masks.append(QStringLiteral("*.") + format.extension);
    return masks.join(u';');
}

bool hasActiveFormat(const QString& path, const std::vector<Format>& formats) {
    const QStringView ending = QStringView(path).right(3);
    return std::any_of(formats.begin(), formats.end(), [&](const Format& format) {
        return format.active && ending.compare(format.extension, Qt::CaseInsensitive) == 0;
    });
}

NewFormatVerdict checkNewFormat(const std::vector<Format>& formats, const QString& extension) {
    if (extension.size() != 3) return NewFormatVerdict::WrongLength;
    const bool present = std::any_of(formats.begin(), formats.end(), [&](const Format& format) {
        return format.extension.compare(extension, Qt::CaseInsensitive) == 0;
    });
    return present ? NewFormatVerdict::AlreadyPresent : NewFormatVerdict::Accepted;
}
