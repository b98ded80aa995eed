#pragma once

#include <QString>
#include <QStringList>

// A folder and a name with one "/" between them; a folder that already ends with "/" (the root) gets none.
inline QString joinPath(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? QString(folder + name)
                                             : QString(folder + QLatin1Char('/') + name);
}

// Whether path is root itself or lies below it.
inline bool isWithin(const QString& path, const QString& root) {
    if (!path.startsWith(root)) return false;
    return path.size() == root.size() || root.endsWith(QLatin1Char('/')) ||
           path.at(root.size()) == QLatin1Char('/');
}

// The folders from root down to folder, both included; just the folder when root does not hold it.
QStringList folderChain(const QString& root, const QString& folder);
