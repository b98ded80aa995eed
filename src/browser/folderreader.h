#pragma once

#include "wildcardpattern.h"

#include <QStringList>

#include <optional>

// What a folder holds, as the browser shows it: subfolders and the files matching a pattern, each
// sorted by name ignoring letter case. Hidden entries (names beginning with ".") are left out, and so are
// names holding a carriage return, which a list file cannot store.
struct FolderContent {
    QStringList folders;
    QStringList files;
};

// Nothing when the folder cannot be read.
std::optional<FolderContent> readFolder(const QString& path, const WildcardPattern& pattern);

// Names sorted ignoring letter case.
void sortIgnoringCase(QStringList& names);
