#include "drives.h"

#include "paths.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace {

// File systems of the kernel and of memory, which hold no media of the user's.
bool isPseudo(const QByteArray& type) {
    static const QByteArrayList pseudo = {
        "autofs",   "binfmt_misc", "bpf",        "cgroup",    "cgroup2", "configfs", "debugfs", "devpts",
        "devtmpfs", "efivarfs",    "fusectl",    "hugetlbfs", "mqueue",  "nsfs",     "proc",    "pstore",
        "ramfs",    "rpc_pipefs",  "securityfs", "squashfs",  "sysfs",   "tmpfs",    "tracefs",
    };
    return pseudo.contains(type);
}

}  // namespace

Drives Drives::ofThisComputer() {
    const QString home = QDir::homePath();
    std::vector<Drive> drives = {{QStringLiteral("/"), QStringLiteral("/")}, {home, home}};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        const bool known =
            std::any_of(drives.begin(), drives.end(), [&](const Drive& d) { return d.root == root; });
        if (known || !volume.isValid() || !volume.isReady() || isPseudo(volume.fileSystemType())) continue;
        const QString name = volume.name();
        drives.push_back({root, name.isEmpty() ? root : QStringLiteral("%1 [%2]").arg(root, name)});
    }
    return Drives(std::move(drives), QDir::currentPath());
}

Drives::Drives(std::vector<Drive> drives, const QString& workingFolder) : m_drives(std::move(drives)) {
    for (const Drive& drive : m_drives) m_currentFolders.append(drive.root);
    const int working = driveOf(workingFolder);
    if (working >= 0) setCurrentFolder(working, workingFolder);
}

int Drives::driveOf(const QString& folder) const {
    int best = -1;
    for (int i = 0; i < int(m_drives.size()); ++i) {
        const QString& root = m_drives[size_t(i)].root;
        if (isWithin(folder, root) && (best < 0 || root.size() > m_drives[size_t(best)].root.size()))
            best = i;
    }
    return best;
}

QStringList folderChain(const QString& root, const QString& folder) {
    if (!isWithin(folder, root)) return {folder};
    QStringList chain = {root};
    const QStringList below =
        QStringView(folder).mid(root.size()).toString().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& name : below) chain.append(joinPath(chain.last(), name));
    return chain;
}
