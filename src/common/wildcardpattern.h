#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// A file name pattern: masks joined by ";". In a mask "*" stands for any run of characters and "?" for
// one character; letter case is ignored. A mask ending in "." matches only names without an extension
// (no "." at all), so "*." lists the names without one. A name matches when one of the masks does.
class WildcardPattern {
public:
    explicit WildcardPattern(const QString& pattern = QString());

    bool matches(QStringView name) const;

private:
    struct Mask {
        QString folded;  // case-folded, without the trailing "." of a mask for names without extension
        bool withoutExtension = false;
        bool starThenPlain = false;  // "*" followed by characters without wildcards, as in "*.mp3"
    };

    static bool globMatches(QStringView mask, QStringView name);

    std::vector<Mask> m_masks;
};
