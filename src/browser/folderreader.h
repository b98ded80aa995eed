#pragma once

#include "wildcardpattern.h"

#include <QStringList>

#include <optional>

// What a folder holds, as the browser shows it: subfolders and the files matching a pattern, each
// sorted by name ignoring letter case. Hidden entries (names beginning with ".") are left out, and so are
// names holding a carriage return, which a list file cannot store, and names that are not UTF-8, which
// would be shown and stored as other names.
struct FolderContent {
    QStringList folders;
    QStringList files;
};

// Nothing when the folder cannot be read.
std::optional<FolderContent> readFolder(const QString& path, const WildcardPattern& pattern);

// The folder itself when it can be read, otherwise its nearest parent that can, up to the root of its
// drive; nothing when not even the root can be read.
struct ReadFolder {
    QString path;
    FolderContent content;
};
std::optional<ReadFolder> readNearestFolder(const QString& root, const QString& folder,
                                            const WildcardPattern& pattern);

// Names sorted ignoring letter case.
void sortIgnoringCase(QStringList& names);
