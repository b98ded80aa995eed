// Playback on a display whose OpenGL libmpv cannot draw with (run by xvfb.sh): sound and video files
// still play to their end, without a picture.
#include "mediaplayer.h"
#include "qtprinting.h"
#include "quietplayer.h"
#include "sequencer.h"
#include "waituntil.h"
#include "wavfile.h"

#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PlaybackWithoutPicture, SoundAndVideoPlayToTheirEnd) {
    QTemporaryDir folder;
    const Track tone{QStringLiteral("tono"), folder.filePath(QStringLiteral("tono.wav"))};
    const Track film{QStringLiteral("film"), folder.filePath(QStringLiteral("film.avi"))};
    ASSERT_TRUE(writeWav(tone.path, 300));
    ASSERT_EQ(QProcess::execute(QStringLiteral("ffmpeg"),
                                {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
                                 QStringLiteral("lavfi"), QStringLiteral("-i"),
                                 QStringLiteral("testsrc=size=64x48:rate=10:duration=0.5"),
                                 QStringLiteral("-c:v"), QStringLiteral("mpeg4"), film.path}),
              0);

    PlayerModule module(builtPlayerModule());
    MediaPlayer player(module, {true, quietFastPlayer().extra}, nullptr);
    player.resize(320, 240);
    player.show();
    ClockSeededRandom random;
    Sequencer sequencer{player, [] { return PlayOptions{}; }, random};
    QString outcomes;
    int finishes = 0;
    QObject::connect(&player, &MediaPlayer::endOfStream, [&] { outcomes += u'p'; });
    QObject::connect(&player, &MediaPlayer::couldNotPlay, [&] { outcomes += u'f'; });
    QObject::connect(&player, &MediaPlayer::endOfStream, &sequencer, &Sequencer::endOfStream);
    QObject::connect(&player, &MediaPlayer::couldNotPlay, &sequencer, &Sequencer::couldNotPlay);
    QObject::connect(&sequencer, &Sequencer::finished, [&finishes] { ++finishes; });

    ASSERT_TRUE(
        sequencer.playAll({tone, film}, {{QStringLiteral("wav"), true}, {QStringLiteral("avi"), true}}));
    ASSERT_TRUE(waitUntil([&finishes] { return finishes > 0; }, 20000))
        << player.findChild<QLabel*>()->text().toStdString();
    EXPECT_EQ(outcomes, QStringLiteral("pp"));
}
