#pragma once

#include <QString>

// The user's music folder, as the desktop names it (xdg-user-dir MUSIC): XDG_MUSIC_DIR of user-dirs.dirs
// in the user's configuration folder, when it names a folder there is; else the home folder.
QString musicFolder();

// The folder named by XDG_MUSIC_DIR in the text of a user-dirs.dirs file, "$HOME" taken as home; empty
// when the text names none.
QString musicFolderIn(const QByteArray& userDirs, const QString& home);
