#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct Mount;

// The places the browser offers in its drive list: "/", the user's home folder, then every other mounted
// file system that holds files, as the mount table lists them: none of them is asked anything here, and
// whether one can be read shows only when it is picked. Each keeps its own current folder for the run.
class Drives {
public:
    struct Drive {
        QString root;
        QString label;
    };

    static Drives ofThisComputer();
    static Drives fromMounts(const std::vector<Mount>& mounts, const QString& home,
                             const QString& workingFolder);

    // The drive holding the working folder starts there, every other one at its root.
    Drives(std::vector<Drive> drives, const QString& workingFolder);

    const std::vector<Drive>& list() const { return m_drives; }
    // The drive with the longest root that holds the folder; -1 when none does.
    int driveOf(const QString& folder) const;
    const QString& currentFolder(int drive) const { return m_currentFolders[size_t(drive)]; }
    void setCurrentFolder(int drive, const QString& folder) { m_currentFolders[size_t(drive)] = folder; }

private:
    std::vector<Drive> m_drives;
    QStringList m_currentFolders;
};

// The folders from root down to folder, both included; just the folder when root does not hold it.
QStringList folderChain(const QString& root, const QString& folder);
