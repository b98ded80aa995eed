#include "musicfolder.h"
#include "qtprinting.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// user-dirs.dirs is a shell script of assignments, as xdg-user-dirs-update writes it.
TEST(MusicFolder, TheAssignmentOfTheUserDirsFileAsTheShellReadsIt) {
    const struct {
        const char* text;
        const char* folder;
    } cases[] = {
        {"# written by "
         "xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Scrivania\"\nXDG_MUSIC_DIR=\"$HOME/Musica\"\n",
         "/home/u/Musica"},
        {"XDG_MUSIC_DIR=\"/srv/musica\"", "/srv/musica"},
        {"XDG_MUSIC_DIR=\"$HOME/Uno\"\nXDG_MUSIC_DIR=\"$HOME/Due\"\n", "/home/u/Due"},
        {"XDG_MUSIC_DIR=\"$HOME/\"\n", "/home/u"},
        {"# XDG_MUSIC_DIR=\"$HOME/Musica\"\n", ""},
        {"XDG_MUSIC_DIRS=\"$HOME/Musica\"\nXDG_VIDEOS_DIR=\"$HOME/Video\"\n", ""},
        {"XDG_MUSIC_DIR=\"Musica\"\n", ""},
        {"", ""},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(musicFolderIn(row.text, QStringLiteral("/home/u")), QString::fromUtf8(row.folder))
            << row.text;
    }
}

// A folder the file names that is not there is no music folder: the home folder stands for it.
TEST(MusicFolder, TheHomeFolderWithoutOneThatIsThere) {
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qunsetenv("XDG_CONFIG_HOME");
    ASSERT_TRUE(QDir(home.path()).mkpath(QStringLiteral(".config")));
    QFile dirs(home.filePath(QStringLiteral(".config/user-dirs.dirs")));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_MUSIC_DIR=\"$HOME/Musica\"\n");
    dirs.close();
    EXPECT_EQ(musicFolder(), QDir::homePath());
    ASSERT_TRUE(QDir(home.path()).mkdir(QStringLiteral("Musica")));
    EXPECT_EQ(musicFolder(), home.filePath(QStringLiteral("Musica")));
    qputenv("HOME", savedHome);
    if (!savedConfig.isNull()) qputenv("XDG_CONFIG_HOME", savedConfig);
}
