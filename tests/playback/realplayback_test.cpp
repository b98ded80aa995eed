// Playback through the real player module and libmpv, silent and at full speed, on files the test writes.
#include "mediaplayer.h"
#include "qtprinting.h"
#include "quietplayer.h"
#include "sequencer.h"
#include "waituntil.h"
#include "wavfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RealPlaybackTest : public testing::Test {
protected:
    RealPlaybackTest() {
        QObject::connect(&player, &MediaPlayer::endOfStream, &sequencer, &Sequencer::endOfStream);
        QObject::connect(&player, &MediaPlayer::couldNotPlay, &sequencer, &Sequencer::couldNotPlay);
        QObject::connect(&player, &MediaPlayer::unavailable, &sequencer, &Sequencer::playerUnavailable);
        QObject::connect(&sequencer, &Sequencer::trackStarting,
                         [this](const QString& name) { started.append(name); });
        QObject::connect(&sequencer, &Sequencer::finished, [this] { ++finishes; });
        QObject::connect(&sequencer, &Sequencer::failed,
                         [this](const QString& path) { failures.append(path); });
        QObject::connect(&sequencer, &Sequencer::unavailable, [](const QString& reason) {
            ADD_FAILURE() << "the player module did not load: " << reason.toStdString();
        });
    }

    Track sound(const char* name) {
        const QString path = folder.filePath(QString::fromUtf8(name) + QStringLiteral(".wav"));
        EXPECT_TRUE(writeWav(path, 200));
        return {QString::fromUtf8(name), path};
    }

    Track garbage(const char* name) {
        const QString path = folder.filePath(QString::fromUtf8(name) + QStringLiteral(".wav"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, '\x5a'));
        return {QString::fromUtf8(name), path};
    }

    QTemporaryDir folder;
    MediaPlayer player{quietFastPlayer(), nullptr};
    ClockSeededRandom random;
    Sequencer sequencer{player, [] { return PlayOptions{}; }, random};
    QStringList started;
    int finishes = 0;
    QStringList failures;
};

const std::vector<Format> kWav = {{QStringLiteral("wav"), true}};

}  // namespace

TEST_F(RealPlaybackTest, PlayAllPlaysEveryTrackInOrderToTheEnd) {
    ASSERT_TRUE(sequencer.playAll({sound("uno"), sound("due"), sound("tre")}, kWav));
    ASSERT_TRUE(waitUntil([this] { return finishes > 0; }));
    EXPECT_EQ(started, (QStringList{QStringLiteral("uno"), QStringLiteral("due"), QStringLiteral("tre")}));
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(RealPlaybackTest, AFileThatIsNotMediaIsSkipped) {
    Track missing = sound("mancante");
    ASSERT_TRUE(QFile::remove(missing.path));
    ASSERT_TRUE(sequencer.playAll({sound("uno"), garbage("rotto"), missing, sound("tre")}, kWav));
    ASSERT_TRUE(waitUntil([this] { return finishes > 0; }));
    EXPECT_EQ(started, (QStringList{QStringLiteral("uno"), QStringLiteral("rotto"),
                                    QStringLiteral("mancante"), QStringLiteral("tre")}));
    EXPECT_TRUE(failures.isEmpty());
}

TEST_F(RealPlaybackTest, AQueueOfUnplayableFilesEndsWithOneMessage) {
    const Track second = garbage("due");
    ASSERT_TRUE(sequencer.playAll({garbage("uno"), second}, kWav));
    ASSERT_TRUE(waitUntil([this] { return finishes > 0; }));
    EXPECT_EQ(failures, QStringList{second.path});
}

TEST_F(RealPlaybackTest, AReplacedFileNeverEndsAsPlayed) {
    int ends = 0;
    QObject::connect(&player, &MediaPlayer::endOfStream, [&ends] { ++ends; });
    player.setFile(sound("primo").path);
    player.play();
    player.setFile(sound("secondo").path);
    player.play();
    ASSERT_TRUE(waitUntil([&ends] { return ends > 0; }));
    // Time for a stale end of the first file to arrive, had it not been dropped.
    waitUntil([] { return false; }, 300);
    EXPECT_EQ(ends, 1);
}
