#include "folderreader.h"

#include "paths.h"

#include <QByteArrayView>
#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

enum class Kind { Folder, File, Other };

// The entry's kind from the directory listing itself; a link or an unknown kind takes a look at what
// the name leads to.
Kind kindOf(int dirFd, const dirent& entry) {
    switch (entry.d_type) {
        case DT_DIR:
            return Kind::Folder;
        case DT_REG:
            return Kind::File;
        case DT_LNK:
        case DT_UNKNOWN: {
            struct stat target;
            if (fstatat(dirFd, entry.d_name, &target, 0) != 0) return Kind::Other;
            if (S_ISDIR(target.st_mode)) return Kind::Folder;
            return S_ISREG(target.st_mode) ? Kind::File : Kind::Other;
        }
        default:
            return Kind::Other;
    }
}

// A name that is not UTF-8 cannot be told as it is, nor written back to a list file as the same bytes.
bool offered(const char* name) {
    return name[0] != '.' && !std::strchr(name, '\r') && QByteArrayView(name).isValidUtf8();
}

}  // namespace

void sortIgnoringCase(QStringList& names) {
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

std::optional<FolderContent> readFolder(const QString& path, const WildcardPattern& pattern) {
    const std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(QFile::encodeName(path).constData()), closedir);
    if (!folder) return std::nullopt;
    FolderContent content;
    while (const dirent* entry = readdir(folder.get())) {
        if (!offered(entry->d_name)) continue;
        const QString name = QFile::decodeName(entry->d_name);
        switch (kindOf(dirfd(folder.get()), *entry)) {
            case Kind::Folder:
                content.folders.append(name);
                break;
            case Kind::File:
                if (pattern.matches(name)) content.files.append(name);
                break;
            case Kind::Other:
                break;
        }
    }
    sortIgnoringCase(content.folders);
    sortIgnoringCase(content.files);
    return content;
}

std::optional<ReadFolder> readNearestFolder(const QString& root, const QString& folder,
                                            const WildcardPattern& pattern) {
    const QStringList chain = folderChain(root, folder);
    for (auto path = chain.crbegin(); path != chain.crend(); ++path) {
        if (std::optional<FolderContent> content = readFolder(*path, pattern))
            return ReadFolder{*path, *content};
    }
    return std::nullopt;
}
