// The player module loaded ahead of the first play, through a fake loader.
#include "playermodule.h"
#include "backgroundwork.h"
#include "countingplayerloader.h"
#include "mediaplayer.h"
#include "waituntil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The file the build names: beside a program of a folder of its own, in <prefix>/lib/zeb when installed.
TEST(PlayerModuleTest, IsTheBuiltFileInTheFolderTheProgramKeepsItIn) {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    EXPECT_EQ(playerModulePath(bin), prefix.filePath(QStringLiteral("bin/libzeb_mpv.so")));

    ASSERT_TRUE(QDir().mkpath(prefix.filePath(QStringLiteral("lib/zeb"))));
    QFile installed(prefix.filePath(QStringLiteral("lib/zeb/libzeb_mpv.so")));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    EXPECT_EQ(playerModulePath(bin), installed.fileName());
}

TEST(PlayerModuleTest, NothingIsLoadedUntilAskedFor) {
    CountingPlayerLoader counting;
    {
        PlayerModule module(counting.loader());
        EXPECT_FALSE(module.isLoadStarted());
    }
    EXPECT_EQ(counting.loads, 0);
}

// A play asked while the load runs waits for it, and gets what it loaded.
TEST(PlayerModuleTest, APreloadRunsOnceOffTheUserInterfaceThread) {
    CountingPlayerLoader counting;
    counting.delayMilliseconds = 100;
    PlayerModule module(counting.loader());
    module.preload();
    module.preload();
    EXPECT_TRUE(module.isLoadStarted());
    ASSERT_TRUE(waitUntil([&counting] { return counting.loads > 0; }));
    QString error;
    EXPECT_EQ(module.factory(&error), &counting.factory);
    module.preload();
    EXPECT_EQ(module.factory(&error), &counting.factory);
    EXPECT_EQ(counting.loads, 1);
    EXPECT_NE(counting.thread.load(), QThread::currentThread());
    EXPECT_TRUE(error.isEmpty());
}

TEST(PlayerModuleTest, WithoutAPreloadTheFirstPlayLoadsOnce) {
    CountingPlayerLoader counting;
    PlayerModule module(counting.loader());
    QString error;
    EXPECT_EQ(module.factory(&error), &counting.factory);
    EXPECT_EQ(module.factory(&error), &counting.factory);
    EXPECT_EQ(counting.loads, 1);
}

// The player says nothing of a failed preload until a file is to play; then it tells why, once.
TEST(PlayerModuleTest, AFailedPreloadIsReportedOnlyOnPlay) {
    CountingPlayerLoader counting;
    counting.failure = QStringLiteral("libmpv.so.2: cannot open shared object file");
    PlayerModule module(counting.loader());
    MediaPlayer player(module, {}, nullptr);
    QStringList reasons;
    QObject::connect(&player, &MediaPlayer::unavailable,
                     [&reasons](const QString& reason) { reasons.append(reason); });
    module.preload();
    ASSERT_TRUE(waitUntil([&counting] { return counting.loads > 0; }));
    // The load has failed by then, and anything it told has arrived.
    ASSERT_TRUE(letBackgroundWorkEnd());
    EXPECT_TRUE(reasons.isEmpty());

    player.setFile(QStringLiteral("/m/a.mp3"));
    ASSERT_TRUE(waitUntil([&reasons] { return !reasons.isEmpty(); }));
    EXPECT_EQ(reasons, QStringList{counting.failure});
    EXPECT_EQ(counting.loads, 1);
}
