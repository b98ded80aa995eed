#pragma once

#include "drives.h"
#include "folderreader.h"
#include "wildcardpattern.h"

#include <QObject>

#include <optional>

class BusyPointer;
class FolderList;
class QComboBox;
class QListView;
class QStringListModel;

// A drive list, a folder list and a file list that follow one another: picking a drive shows its current
// folder, opening a folder shows its subfolders and the files that match the pattern. Folders are read off
// the user-interface thread: the lists change when a read completes, if no newer one has been asked for
// meanwhile, and a folder that cannot be read leaves them as they were, without a message.
class MediaBrowser : public QObject {
    Q_OBJECT
public:
    MediaBrowser(Drives drives, QComboBox* driveList, FolderList* folderList, QListView* fileList);

    // Shows the drive that holds the folder at once, and the folder once it has been read.
    void pointAt(const QString& folder);
    // The folder both lists show; it ends with "/" only at the root. Empty until a first folder is shown.
    const QString& folder() const { return m_folder; }
    bool isReading() const { return m_pending.has_value(); }

    const QString& pattern() const { return m_patternText; }
    // Lists the folder's files anew under the new pattern.
    void setPattern(const QString& pattern);
    // Reads the folder again, for files made or deleted since; a folder that has gone gives way to its
    // nearest parent that can be read.
    void reread();

    // The names selected in the file list, in its order; afterwards nothing is selected there.
    QStringList takeSelectedFiles();
    // The name that has the file list's focus, or nothing.
    QString focusedFile() const;

    // Takes the drives there are now (see Drives::follow). When the drive picked, or the one whose folder
    // the lists show, has gone, the lists fall back to the first drive, "/", at its current folder. While
    // the drive list is dropped down, the change waits until it closes: its rows stay under the pointer.
    void followDrives(const std::vector<Drives::Drive>& now);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    // The latest read asked for has ended, whether it changed the lists or not.
    void readFinished();

private:
    // Drives are named by their roots, whose places in the list change as drives come and go.
    struct Request {
        QString root;
        QString folder;
        bool orNearestParent;
    };

    // A drive shows its current folder, or the nearest parent of it that can still be read.
    void pickDrive(int drive);
    void read(const Request& request);
    void show(const QString& root, const ReadFolder& folder);
    QString pickedRoot() const;
    void showDrives(const std::vector<Drives::Drive>& now);

    Drives m_drives;
    QComboBox* m_driveList;
    FolderList* m_folderList;
    QListView* m_fileList;
    QStringListModel* m_files;
    // Over the folder and file lists while a folder is being read.
    BusyPointer* m_busy;
    QString m_folderRoot;
    QString m_folder;
    QString m_patternText;
    WildcardPattern m_pattern;
    std::optional<Request> m_pending;
    std::optional<std::vector<Drives::Drive>> m_drivesWhenClosed;
    quint64 m_requests = 0;
};
