#include "drives.h"

#include <gtest/gtest.h>

namespace {

Drives sampleDrives(const char* workingFolder) {
    return Drives({{QStringLiteral("/"), QStringLiteral("/")},
                   {QStringLiteral("/home/anna"), QStringLiteral("/home/anna")},
                   {QStringLiteral("/media/anna/USB"), QStringLiteral("/media/anna/USB [USB]")}},
                  QString::fromUtf8(workingFolder));
}

}  // namespace

TEST(Drives, TheDriveOfAFolderHasTheLongestRootHoldingIt) {
    const Drives drives = sampleDrives("/");
    EXPECT_EQ(drives.driveOf(QStringLiteral("/usr/share")), 0);
    EXPECT_EQ(drives.driveOf(QStringLiteral("/home/anna")), 1);
    EXPECT_EQ(drives.driveOf(QStringLiteral("/home/anna/Musica")), 1);
    EXPECT_EQ(drives.driveOf(QStringLiteral("/home/annalisa")), 0);
    EXPECT_EQ(drives.driveOf(QStringLiteral("/media/anna/USB/Film")), 2);
    EXPECT_EQ(drives.driveOf(QStringLiteral("relativa")), -1);
}

TEST(Drives, EachDriveStartsAtItsRootButTheOneHoldingTheWorkingFolder) {
    Drives drives = sampleDrives("/home/anna/Musica");
    EXPECT_EQ(drives.currentFolder(0), QStringLiteral("/"));
    EXPECT_EQ(drives.currentFolder(1), QStringLiteral("/home/anna/Musica"));
    EXPECT_EQ(drives.currentFolder(2), QStringLiteral("/media/anna/USB"));
    drives.setCurrentFolder(2, QStringLiteral("/media/anna/USB/Film"));
    EXPECT_EQ(drives.currentFolder(2), QStringLiteral("/media/anna/USB/Film"));
    EXPECT_EQ(drives.currentFolder(1), QStringLiteral("/home/anna/Musica"));
}

TEST(Drives, FolderChainRunsFromTheRootWithOneSeparatorBetweenNames) {
    EXPECT_EQ(folderChain(QStringLiteral("/"), QStringLiteral("/")), QStringList{QStringLiteral("/")});
    EXPECT_EQ(folderChain(QStringLiteral("/"), QStringLiteral("/home/anna")),
              (QStringList{QStringLiteral("/"), QStringLiteral("/home"), QStringLiteral("/home/anna")}));
    EXPECT_EQ(folderChain(QStringLiteral("/home/anna"), QStringLiteral("/home/anna/Musica/Jazz")),
              (QStringList{QStringLiteral("/home/anna"), QStringLiteral("/home/anna/Musica"),
                           QStringLiteral("/home/anna/Musica/Jazz")}));
    EXPECT_EQ(folderChain(QStringLiteral("/media/usb"), QStringLiteral("/home")),
              QStringList{QStringLiteral("/home")});
}
