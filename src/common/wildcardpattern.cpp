#include "wildcardpattern.h"

#include <QStringList>

namespace {

char16_t folded(QChar c) {
    return QChar::toCaseFolded(c.unicode());
}

bool hasWildcards(QStringView text) {
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'));
}

}  // namespace

WildcardPattern::WildcardPattern(const QString& pattern) {
    for (const QString& text : pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        Mask mask;
        mask.withoutExtension = text.size() > 1 && text.endsWith(QLatin1Char('.'));
        mask.folded = (mask.withoutExtension ? text.chopped(1) : text).toCaseFolded();
        mask.starThenPlain =
            mask.folded.startsWith(QLatin1Char('*')) && !hasWildcards(QStringView(mask.folded).mid(1));
        m_masks.push_back(std::move(mask));
    }
}

bool WildcardPattern::matches(QStringView name) const {
    for (const Mask& mask : m_masks) {
        if (mask.withoutExtension && name.contains(QLatin1Char('.'))) continue;
        // The usual "*.mp3" needs no more than a look at the end of the name.
        if (mask.starThenPlain ? name.endsWith(QStringView(mask.folded).mid(1), Qt::CaseInsensitive)
                               : globMatches(mask.folded, name)) {
            return true;
        }
    }
    return false;
}

// Greedy matching with one point to come back to: the last "*" seen.
bool WildcardPattern::globMatches(QStringView mask, QStringView name) {
    qsizetype m = 0, n = 0, starAt = -1, resumeAt = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == QLatin1Char('*')) {
            starAt = m++;
            resumeAt = n;
        } else if (m < mask.size() && (mask[m] == QLatin1Char('?') || mask[m].unicode() == folded(name[n]))) {
            ++m;
            ++n;
        } else if (starAt >= 0) {
            m = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == QLatin1Char('*')) ++m;
    return m == mask.size();
}
