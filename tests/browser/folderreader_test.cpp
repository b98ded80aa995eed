#include "folderreader.h"
#include "browserfolders.h"
#include "testmount.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include <gtest/gtest.h>

TEST(FolderReader, ListsSubfoldersAndMatchingFilesSortedIgnoringCaseWithoutHiddenOnes) {
    BrowserFolders tree;
    tree.makeFiles({"b.mp3", "A.MP3", "c.Mp3", "note.txt", ".nascosto.mp3", "Vuota/.keep", "Rock/x.mp3"});
    tree.makeFolders({"zeta", "Vuota", "alfa", ".nascosta", "Senza brani"});
    ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("b.mp3")), tree.path(QStringLiteral("link.mp3"))));
    ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("Rock")), tree.path(QStringLiteral("Collegamento"))));
    // Names a list file could not keep as they are: not UTF-8 (an old Latin-1 "è"), a carriage return.
    const QByteArray folder = QFile::encodeName(tree.path());
    for (const char* name : {"/caff\xe8.mp3", "/a\rb.mp3"}) {
        const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(QByteArray(folder + name).constData(), "w"), std::fclose);
        ASSERT_TRUE(file) << name;
    }
    ASSERT_EQ(mkdir(QByteArray(folder + "/vecchi\xe8").constData(), 0755), 0);

    const auto content = readFolder(tree.path(), WildcardPattern(QStringLiteral("*.mp3")));
    ASSERT_TRUE(content);
    EXPECT_EQ(content->folders,
              (QStringList{QStringLiteral("alfa"), QStringLiteral("Collegamento"), QStringLiteral("Rock"),
                           QStringLiteral("Senza brani"), QStringLiteral("Vuota"), QStringLiteral("zeta")}));
    EXPECT_EQ(content->files, (QStringList{QStringLiteral("A.MP3"), QStringLiteral("b.mp3"),
                                           QStringLiteral("c.Mp3"), QStringLiteral("link.mp3")}));

    const auto empty =
        readFolder(tree.path(QStringLiteral("Vuota")), WildcardPattern(QStringLiteral("*.mp3")));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->folders.isEmpty());
    EXPECT_TRUE(empty->files.isEmpty());
}

TEST(FolderReader, AFolderThatCannotBeReadGivesNothing) {
    BrowserFolders tree;
    EXPECT_FALSE(
        readFolder(tree.path(QStringLiteral("non-esiste")), WildcardPattern(QStringLiteral("*.mp3"))));

    // A file system that refuses the listing: root gets past a folder's permissions, not past this.
    SKIP_UNLESS_TEST_MOUNTS();
    TestMount mount;
    ASSERT_TRUE(QDir().mkpath(mount.backing(QStringLiteral("chiusa"))));
    mount.setRules(R"([{"path": "/chiusa", "op": "readdir", "errno": "EACCES"}])");
    const auto around = readFolder(mount.path(), WildcardPattern(QStringLiteral("*.mp3")));
    ASSERT_TRUE(around);
    EXPECT_EQ(around->folders, QStringList{QStringLiteral("chiusa")});
    EXPECT_FALSE(readFolder(mount.path(QStringLiteral("chiusa")), WildcardPattern(QStringLiteral("*.mp3"))));
}
