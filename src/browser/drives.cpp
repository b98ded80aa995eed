#include "drives.h"

#include "mounttable.h"
#include "paths.h"

#include <QDir>

#include <algorithm>

namespace {

// File systems of the kernel and of memory, which hold no media of the user's.
bool isPseudo(const Mount& mount) {
    static const QByteArrayList pseudo = {
        "autofs",   "binfmt_misc", "bpf",        "cgroup",    "cgroup2", "configfs", "debugfs", "devpts",
        "devtmpfs", "efivarfs",    "fusectl",    "hugetlbfs", "mqueue",  "nsfs",     "proc",    "pstore",
        "ramfs",    "rpc_pipefs",  "securityfs", "squashfs",  "sysfs",   "tmpfs",    "tracefs",
    };
    static const QStringList kernelFolders = {QStringLiteral("/dev"), QStringLiteral("/proc"),
                                              QStringLiteral("/sys")};
    return pseudo.contains(mount.type) ||
           std::any_of(kernelFolders.begin(), kernelFolders.end(),
                       [&](const QString& folder) { return isWithin(mount.point, folder); });
}

}  // namespace

Drives Drives::ofThisComputer() {
    return fromMounts(mountsOfThisProcess(), QDir::homePath(), QDir::currentPath());
}

Drives Drives::fromMounts(const std::vector<Mount>& mounts, const QString& home,
                          const QString& workingFolder) {
    return Drives(listOf(mounts, home), workingFolder);
}

std::vector<Drives::Drive> Drives::listOf(const std::vector<Mount>& mounts, const QString& home) {
    std::vector<Drive> drives = {{QStringLiteral("/"), QStringLiteral("/")}, {home, home}};
    for (const Mount& mount : mounts) {
        const bool known = std::any_of(drives.begin(), drives.end(),
                                       [&](const Drive& drive) { return drive.root == mount.point; });
        if (!known && !isPseudo(mount)) drives.push_back({mount.point, mount.point});
    }
    return drives;
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

int Drives::indexOf(const QString& root) const {
    const auto found = std::find_if(m_drives.begin(), m_drives.end(),
                                    [&](const Drive& drive) { return drive.root == root; });
    return found == m_drives.end() ? -1 : int(found - m_drives.begin());
}

std::vector<int> Drives::follow(const std::vector<Drive>& now) {
    std::vector<int> gone;
    for (int drive = int(m_drives.size()) - 1; drive >= 0; --drive) {
        const bool there = std::find(now.begin(), now.end(), m_drives[size_t(drive)]) != now.end();
        if (there) continue;
        gone.push_back(drive);
        m_drives.erase(m_drives.begin() + drive);
        m_currentFolders.removeAt(drive);
    }
    for (const Drive& drive : now) {
        if (indexOf(drive.root) >= 0) continue;
        m_drives.push_back(drive);
        m_currentFolders.append(drive.root);
    }
    return gone;
}
