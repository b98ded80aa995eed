#include "drives.h"
#include "mounttable.h"
#include "qtprinting.h"

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

// The drive list comes from the kernel's mount table alone: nothing asks a mounted share anything, so a
// share that does not answer cannot hold the start up.
TEST(Drives, ComeFromTheMountTableWithoutKernelAndMemoryFileSystems) {
    const QByteArray table =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "23 22 0:5 / /proc rw - proc proc rw\n"
        "24 22 0:21 / /run rw,nosuid shared:5 - tmpfs tmpfs rw\n"
        "25 22 0:40 / /home/anna rw - ext4 /dev/sda2 rw\n"
        "26 22 8:17 / /media/anna/Il\\040mio\\134USB rw,nosuid shared:7 - vfat /dev/sdb1 rw\n"
        "27 22 0:41 / /mnt/rete rw - nfs4 server:/export rw\n"
        "28 22 0:42 / /mnt/sshfs rw - fuse.sshfs anna@host: rw\n"
        "29 22 0:43 / /dev/mqueue rw - mqueue mqueue rw\n"
        "30 22 0:44 / /sys/fs/bpf rw - bpf bpf rw\n"
        "31 22 0:45 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
        "malformed line\n"
        "32 22 0:46 / /senza-tipo rw -\n";
    EXPECT_EQ(parseMountInfo(table).size(), 10u);
    EXPECT_EQ(parseMountInfo(table)[4], (Mount{QStringLiteral("/media/anna/Il mio\\USB"), "vfat"}));

    const Drives drives = Drives::fromMounts(parseMountInfo(table), QStringLiteral("/home/anna"),
                                             QStringLiteral("/mnt/rete/Film"));
    QStringList roots;
    for (const Drives::Drive& drive : drives.list()) roots.append(drive.root);
    EXPECT_EQ(roots, (QStringList{QStringLiteral("/"), QStringLiteral("/home/anna"),
                                  QStringLiteral("/media/anna/Il mio\\USB"), QStringLiteral("/mnt/rete"),
                                  QStringLiteral("/mnt/sshfs")}));
    EXPECT_EQ(drives.currentFolder(3), QStringLiteral("/mnt/rete/Film"));
}

// A new look at the mount table: the drives still there keep their places and their folders, the ones gone
// leave (their old places told from the last), new ones come last, at their roots.
TEST(Drives, FollowTheMountsThereAreNow) {
    struct Case {
        const char* what;
        QStringList now;
        QStringList roots;
        QStringList folders;
        std::vector<int> gone;
    };
    const QString root = QStringLiteral("/"), home = QStringLiteral("/home/anna"),
                  usb = QStringLiteral("/media/anna/USB"), disk = QStringLiteral("/mnt/disco"),
                  share = QStringLiteral("/mnt/rete");
    const QString music = QStringLiteral("/home/anna/Musica"), film = QStringLiteral("/media/anna/USB/Film"),
                  series = QStringLiteral("/mnt/disco/Serie");
    const Case cases[] = {
        {"nothing changed",
         {root, home, usb, disk},
         {root, home, usb, disk},
         {root, music, film, series},
         {}},
        {"a drive mounted",
         {root, home, usb, share, disk},
         {root, home, usb, disk, share},
         {root, music, film, series, share},
         {}},
        {"a drive unmounted", {root, home, disk}, {root, home, disk}, {root, music, series}, {2}},
        {"two unmounted, one mounted",
         {share, root, home},
         {root, home, share},
         {root, music, share},
         {3, 2}},
    };
    for (const Case& test : cases) {
        Drives drives({{root, root}, {home, home}, {usb, usb}, {disk, disk}}, music);
        drives.setCurrentFolder(2, film);
        drives.setCurrentFolder(3, series);
        std::vector<Drives::Drive> now;
        for (const QString& drive : test.now) now.push_back({drive, drive});

        EXPECT_EQ(drives.follow(now), test.gone) << test.what;
        QStringList roots, folders;
        for (int drive = 0; drive < int(drives.list().size()); ++drive) {
            roots.append(drives.list()[size_t(drive)].root);
            folders.append(drives.currentFolder(drive));
        }
        EXPECT_EQ(roots, test.roots) << test.what;
        EXPECT_EQ(folders, test.folders) << test.what;
        EXPECT_EQ(drives.indexOf(share), int(test.roots.indexOf(share))) << test.what;
    }
}

TEST(Drives, ListOfTheMountsAlwaysBeginsWithTheRootAndTheHomeFolder) {
    const std::vector<Mount> mounts = {{QStringLiteral("/"), "ext4"},
                                       {QStringLiteral("/media/USB"), "vfat"},
                                       {QStringLiteral("/run/user/1000"), "tmpfs"}};
    const std::vector<Drives::Drive> expected = {
        {QStringLiteral("/"), QStringLiteral("/")},
        {QStringLiteral("/home/anna"), QStringLiteral("/home/anna")},
        {QStringLiteral("/media/USB"), QStringLiteral("/media/USB")}};
    EXPECT_EQ(Drives::listOf(mounts, QStringLiteral("/home/anna")), expected);
}
