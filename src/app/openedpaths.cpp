#include "openedpaths.h"

#include "fileuri.h"
#include "folderreader.h"

#include <QFileInfo>

#include <optional>

OpenedPaths sortOutPaths(const QStringList& paths, const WildcardPattern& pattern) {
    OpenedPaths opened;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (isUri(path)) {
            opened.refused.append(path);
        } else if (!info.exists()) {
            opened.missing.append(path);
        } else if (info.isDir()) {
            // A folder that cannot be read adds nothing, as it shows nothing in the browser.
            const std::optional<FolderContent> content = readFolder(path, pattern);
            if (!content) continue;
            for (const QString& name : content->files)
                opened.files.push_back({trackOfFile(path, name), true});
        } else if (path.endsWith(QStringLiteral(".zbl"), Qt::CaseInsensitive)) {
            opened.listFiles.append(path);
        } else {
            opened.files.push_back({{displayNameOf(info.fileName()), path}, false});
        }
    }
    return opened;
}
