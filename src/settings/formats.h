#pragma once

#include "settingsrecord.h"

// The media file pattern: "*." and each extension in list order, ticked or not, joined by ";".
// No formats give "*.", which matches only names without an extension.
QString mediaPattern(const std::vector<Format>& formats);

// Whether the last three characters of the path are a ticked format, ignoring letter case.
bool hasActiveFormat(const QString& path, const std::vector<Format>& formats);

enum class NewFormatVerdict { Accepted, WrongLength, AlreadyPresent };

// Any three characters are a format; an extension already in the list, in any letter case, is refused.
NewFormatVerdict checkNewFormat(const std::vector<Format>& formats, const QString& extension);
