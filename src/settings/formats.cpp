#include "formats.h"

#include <algorithm>

namespace {

// Media extensions of four letters that a three-letter format stands for.
constexpr const char16_t* kLongerExtensions[] = {u"flac", u"opus", u"webm", u"aiff",
                                                 u"mpeg", u"divx", u"m2ts"};

QString maskOf(QStringView extension) {
    return QStringLiteral("*.") + extension;
}

}  // namespace

QString mediaPattern(const std::vector<Format>& formats) {
    if (formats.empty()) return QStringLiteral("*.");
    QStringList masks;
    for (const Format& format : formats) {
        masks.append(maskOf(format.extension));
        for (QStringView longer : kLongerExtensions) {
            if (longer.endsWith(format.extension, Qt::CaseInsensitive)) masks.append(maskOf(longer));
        }
    }
    return masks.join(u';');
}

ActiveFormats::ActiveFormats(const std::vector<Format>& formats) {
    QStringList masks;
    for (const Format& format : formats) {
        if (!format.active) continue;
        m_extensions.append(format.extension);
        masks.append(maskOf(format.extension));
    }
    m_masks = WildcardPattern(masks.join(u';'));
}

bool ActiveFormats::take(const QString& path) const {
    const QStringView ending = QStringView(path).right(3);
    const bool byEnding = std::any_of(m_extensions.begin(), m_extensions.end(), [&](const QString& extension) {
        return ending.compare(extension, Qt::CaseInsensitive) == 0;
    });
    return byEnding || m_masks.matches(QStringView(path).mid(path.lastIndexOf(u'/') + 1));
}

NewFormatVerdict checkNewFormat(const std::vector<Format>& formats, const QString& extension) {
    if (extension.size() != 3) return NewFormatVerdict::WrongLength;
    const bool present = std::any_of(formats.begin(), formats.end(), [&](const Format& format) {
        return format.extension.compare(extension, Qt::CaseInsensitive) == 0;
    });
    return present ? NewFormatVerdict::AlreadyPresent : NewFormatVerdict::Accepted;
}
