// Playback through the real player module and libmpv, silent and at full speed, on files the test writes.
#include "mediaplayer.h"
#include "qtprinting.h"
#include "quietplayer.h"
#include "sequencer.h"
#include "waituntil.h"
#include "wavfile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSlider>
#include <QTcpServer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RealPlaybackTest : public testing::Test {
protected:
    RealPlaybackTest() {
        QObject::connect(&player, &MediaPlayer::endOfStream, &sequencer, &Sequencer::endOfStream);
        QObject::connect(&player, &MediaPlayer::couldNotPlay, &sequencer, &Sequencer::couldNotPlay);
        QObject::connect(&player, &MediaPlayer::playedNothing, &sequencer, &Sequencer::playedNothing);
        QObject::connect(&player, &MediaPlayer::unavailable, &sequencer, &Sequencer::playerUnavailable);
        QObject::connect(&player, &MediaPlayer::started, &sequencer, &Sequencer::trackStarted);
        QObject::connect(&player, &MediaPlayer::nextStarted, &sequencer, &Sequencer::nextStarted);
        QObject::connect(&sequencer, &Sequencer::trackStarting,
                         [this](const QString& name) { started.append(name); });
        QObject::connect(&sequencer, &Sequencer::finished, [this] { ++finishes; });
        QObject::connect(&sequencer, &Sequencer::failed,
                         [this](const QString& path) { failures.append(path); });
        QObject::connect(&player, &MediaPlayer::endOfStream, [this] { outcomes += u'p'; });
        QObject::connect(&player, &MediaPlayer::nextStarted, [this] { outcomes += u'p'; });
        QObject::connect(&player, &MediaPlayer::couldNotPlay, [this] { outcomes += u'f'; });
        QObject::connect(&player, &MediaPlayer::playedNothing, [this] { outcomes += u'e'; });
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

    Track text(const char* name, const char* content) {
        const QString path = folder.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return {QString::fromUtf8(name), path};
    }

    // Plays the queue to its end; false when it did not end.
    bool playToTheEnd(const std::vector<Track>& queue, const std::vector<Format>& formats) {
        outcomes.clear();
        failures.clear();
        finishes = 0;
        return sequencer.playAll(queue, formats) && waitUntil([this] { return finishes > 0; });
    }

    QTemporaryDir folder;
    PlayerModule module{builtPlayerModule()};
    MediaPlayer player{module, quietFastPlayer(), nullptr};
    ClockSeededRandom random;
    PlayOptions options;
    Sequencer sequencer{player, [this] { return options; }, random};
    QStringList started;
    int finishes = 0;
    QStringList failures;
    // How each track ended, as the player told: p played (to its end, or on into the track queued after
    // it), e played nothing, f could not be played.
    QString outcomes;
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

// The file that takes its place cannot be played: libmpv tells the ends in order, so any end of the
// replaced file comes before that failure, which is then the only end told.
TEST_F(RealPlaybackTest, AReplacedFileNeverEndsAsPlayed) {
    player.setFile(sound("primo").path);
    player.play();
    player.setFile(garbage("secondo").path);
    player.play();
    ASSERT_TRUE(waitUntil([this] { return outcomes.contains(u'f'); })) << outcomes.toStdString();
    EXPECT_EQ(outcomes, QStringLiteral("f"));
}

TEST_F(RealPlaybackTest, AListFilePlaysItsEntriesAsOneTrack) {
    sound("uno");
    sound("due");
    garbage("rotto");
    text("annidata.m3u", "due.wav\n");
    const Track last = sound("tre");
    const struct {
        const char* entries;
        const char* outcomes;
    } cases[] = {
        {"uno.wav\ndue.wav\n", "pp"},
        {"uno.wav\nannidata.m3u\nrotto.wav\n", "pp"},
        {"mancante.wav\nrotto.wav\n", "fp"},
        {"#EXTM3U\n", "ep"},
    };
    const std::vector<Format> formats = {{QStringLiteral("m3u"), true}, {QStringLiteral("wav"), true}};
    for (const auto& row : cases) {
        ASSERT_TRUE(playToTheEnd({text("lista.m3u", row.entries), last}, formats)) << row.entries;
        EXPECT_EQ(outcomes, QString::fromUtf8(row.outcomes)) << row.entries;
        EXPECT_TRUE(failures.isEmpty()) << row.entries;
    }
}

TEST_F(RealPlaybackTest, FilesWithNothingInThemEndWithoutAMessageUnlessOneFailed) {
    const Track empty = {QStringLiteral("vuoto"), folder.filePath(QStringLiteral("vuoto.wav"))};
    const Track alsoEmpty = {QStringLiteral("vuoto2"), folder.filePath(QStringLiteral("vuoto2.wav"))};
    ASSERT_TRUE(writeWav(empty.path, 0) && writeWav(alsoEmpty.path, 0));
    const Track broken = garbage("rotto");
    const struct {
        bool continuo;
        std::vector<Track> queue;
        const char* outcomes;
        QStringList failures;
    } cases[] = {
        {false, {empty}, "e", {}},
        {true, {empty, alsoEmpty}, "ee", {}},
        {true, {empty, broken}, "ef", {broken.path}},
    };
    for (const auto& row : cases) {
        options.continuo = row.continuo;
        ASSERT_TRUE(playToTheEnd(row.queue, kWav)) << row.outcomes;
        EXPECT_EQ(outcomes, QString::fromUtf8(row.outcomes));
        EXPECT_EQ(failures, row.failures);
    }
}

TEST_F(RealPlaybackTest, APathIsAlwaysALocalFileNeverAProtocol) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    int connections = 0;
    QObject::connect(&server, &QTcpServer::newConnection, [&connections] { ++connections; });
    const Track wav = sound("uno");
    const QStringList paths = {QStringLiteral("http://127.0.0.1:%1/x.wav").arg(server.serverPort()),
                               QStringLiteral("edl://") + wav.path, QStringLiteral("lavf://file:") + wav.path,
                               QStringLiteral("av://lavfi:sine=d=0.2")};
    for (const QString& path : paths) {
        const std::vector<Format> formats = {{path.right(3), true}, {QStringLiteral("wav"), true}};
        ASSERT_TRUE(playToTheEnd({{QStringLiteral("altro"), path}, wav}, formats)) << path.toStdString();
        EXPECT_EQ(outcomes, QStringLiteral("fp")) << path.toStdString();
        EXPECT_TRUE(failures.isEmpty());
    }
    EXPECT_EQ(connections, 0);
}

TEST(RealTimePlayback, ASeekWhilePausedStaysPausedAndPlayPauseThenPlays) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lungo.wav"));
    ASSERT_TRUE(writeWav(path, 3000));
    PlayerModule module(builtPlayerModule());
    MediaPlayer player(module, {false, {QStringLiteral("ao=null")}}, nullptr);
    int ends = 0;
    QObject::connect(&player, &MediaPlayer::endOfStream, [&ends] { ++ends; });
    auto* seekBar = player.findChild<QSlider*>(QStringLiteral("seekBar"));
    auto* playPause = player.findChild<QAction*>(QStringLiteral("playPause"));
    auto shows = [&player](PlayerState::Shown shown) {
        return waitUntil([&player, shown] { return player.state().shown() == shown; });
    };

    player.setFile(path);
    player.play();
    ASSERT_TRUE(shows(PlayerState::Shown::Playing));
    playPause->trigger();
    ASSERT_TRUE(shows(PlayerState::Shown::Paused));
    seekBar->setSliderPosition(25);
    // The bar follows where libmpv says it is, which it says only once it has taken the seek: moved
    // away here, it comes back with libmpv's word, after anything the seek changed.
    seekBar->setValue(0);
    ASSERT_TRUE(waitUntil([seekBar] { return seekBar->value() > 20; }));
    EXPECT_EQ(player.state().statusText(), QStringLiteral("lungo.wav — 0:02 / 0:03 — In pausa"));
    playPause->trigger();
    EXPECT_TRUE(waitUntil([&ends] { return ends == 1; }));
}
