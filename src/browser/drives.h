#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct Mount;

// The places the browser offers in its drive list: "/", the user's home folder, then every other mounted
// file system that holds files, as the mount table lists them: none of them is asked anything here, and
// whether one can be read shows only when it is picked. Each keeps its own current folder while it is there.
class Drives {
public:
    struct Drive {
        QString root;
        QString label;
        bool operator==(const Drive&) const = default;
    };

    static Drives ofThisComputer();
    static Drives fromMounts(const std::vector<Mount>& mounts, const QString& home,
                             const QString& workingFolder);
    // "/", the home folder, then the file systems of the table that hold files, in the table's order.
    static std::vector<Drive> listOf(const std::vector<Mount>& mounts, const QString& home);

    // The drive holding the working folder starts there, every other one at its root.
    Drives(std::vector<Drive> drives, const QString& workingFolder);

    const std::vector<Drive>& list() const { return m_drives; }
    // The drive with the longest root that holds the folder; -1 when none does.
    int driveOf(const QString& folder) const;
    // The drive whose root this is; -1 when none is.
    int indexOf(const QString& root) const;
    const QString& currentFolder(int drive) const { return m_currentFolders[size_t(drive)]; }
    void setCurrentFolder(int drive, const QString& folder) { m_currentFolders[size_t(drive)] = folder; }

    // Takes the drives there are now: the ones still there keep their places and their current folders,
    // the ones gone leave, and new ones come after all of them, at their roots. Returns the places the gone
    // ones had, from the last to the first, so that they can be taken out of a list one by one.
    std::vector<int> follow(const std::vector<Drive>& now);

private:
    std::vector<Drive> m_drives;
    QStringList m_currentFolders;
};
