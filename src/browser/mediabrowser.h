#pragma once

#include "drives.h"
#include "wildcardpattern.h"

#include <QObject>

class FolderList;
class QComboBox;
class QListView;
class QStringListModel;

// A drive list, a folder list and a file list that follow one another: picking a drive shows its current
// folder, opening a folder shows its subfolders and the files that match the pattern. A drive or folder
// that cannot be read leaves the folder and the file list as they were, without a message.
class MediaBrowser : public QObject {
    Q_OBJECT
public:
    MediaBrowser(Drives drives, QComboBox* driveList, FolderList* folderList, QListView* fileList);

    // Shows the drive that holds the folder, and the folder.
    void pointAt(const QString& folder);
    // The folder both lists show; it ends with "/" only at the root.
    const QString& folder() const { return m_folder; }

    const QString& pattern() const { return m_patternText; }
    // Lists the folder's files anew under the new pattern.
    void setPattern(const QString& pattern);
    // Reads the folder again, for files made or deleted since; nothing changes when it cannot be read.
    void reread();

    // The names selected in the file list, in its order; afterwards nothing is selected there.
    QStringList takeSelectedFiles();
    // The name that has the file list's focus, or nothing.
    QString focusedFile() const;

private:
    void pickDrive(int drive);
    bool open(int drive, const QString& folder);

    Drives m_drives;
    QComboBox* m_driveList;
    FolderList* m_folderList;
    QListView* m_fileList;
    QStringListModel* m_files;
    int m_folderDrive = 0;
    QString m_folder;
    QString m_patternText;
    WildcardPattern m_pattern;
};
