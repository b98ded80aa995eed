#pragma once

#include "settingsrecord.h"
#include "wildcardpattern.h"

#include <QStringList>

// The media file pattern: "*." and each extension in list order, ticked or not, joined by ";". An
// extension that is the last three letters of a well-known longer one (lac of flac, pus of opus) brings
// that one's mask too, so that the browser lists what play-all takes by the last three letters.
// No formats give "*.", which matches only names without an extension.
QString mediaPattern(const std::vector<Format>& formats);

// Which paths are of a ticked format, ignoring letter case: those whose last three characters are the
// format, and those whose name matches the format's mask as the browser matches it (a format "fl*" takes
// a.flac, which the browser lists).
class ActiveFormats {
public:
    explicit ActiveFormats(const std::vector<Format>& formats);
    bool take(const QString& path) const;

private:
    QStringList m_extensions;
    WildcardPattern m_masks;
};

enum class NewFormatVerdict { Accepted, WrongLength, AlreadyPresent };

// Any three characters are a format; an extension already in the list, in any letter case, is refused.
NewFormatVerdict checkNewFormat(const std::vector<Format>& formats, const QString& extension);
