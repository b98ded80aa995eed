#pragma once

#include <QListWidget>

// A classic folder list: the chain of folders from the drive's root down to the current folder, drawn
// open, then the current folder's subfolders, drawn closed, each indented by its depth. A single click
// highlights a folder; a double-click or Enter opens it.
class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget* parent);

    void showFolder(const QString& root, const QString& folder, const QStringList& subfolders);

Q_SIGNALS:
    void folderOpened(const QString& path);

private:
    void append(const QString& text, const QString& path, int depth, const QIcon& icon);

    QIcon m_open;
    QIcon m_closed;
};
