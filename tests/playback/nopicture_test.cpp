// Playback on a display whose OpenGL libmpv cannot draw with (run by xvfb.sh): sound and video files
// still play to their end, without a picture. There are two ways to it, and each case checks that the
// player took its own: with an OpenGL too old for libmpv the picture's window is set up, then given up
// once libmpv refuses it; with no OpenGL at all none is ever set up. Which one a run can take depends on
// its display (MESA_GL_VERSION_OVERRIDE, QT_XCB_GL_INTEGRATION): a case that cannot take its way there
// is skipped, saying why.
#include "mediaplayer.h"
#include "qtprinting.h"
#include "quietplayer.h"
#include "sequencer.h"
#include "waituntil.h"
#include "wavfile.h"

#include <QCoreApplication>
#include <QLabel>
#include <QOpenGLContext>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

enum class Display { OpenGLTooOld, NoOpenGL };

// libmpv draws with OpenGL 2.1 or later.
constexpr std::pair<int, int> kOldestOpenGLDrawnWith{2, 1};

// Why the display cannot take the case's way; empty when it can.
std::string unfitFor(Display display) {
    QOpenGLContext context;
    const bool made = context.create();
    if (display == Display::NoOpenGL) {
        return made ? "this display makes OpenGL contexts; QT_XCB_GL_INTEGRATION=none takes them away" : "";
    }
    if (!made) return "this display makes no OpenGL context (QT_XCB_GL_INTEGRATION=none?)";
    const std::pair<int, int> version = context.format().version();
    if (version >= kOldestOpenGLDrawnWith) {
        return "this display's OpenGL " + std::to_string(version.first) + "." +
               std::to_string(version.second) +
               " is new enough for libmpv; MESA_GL_VERSION_OVERRIDE=2.0 makes it too old";
    }
    return "";
}

// The window container that holds the picture's own window, if the player has one.
QWidget* pictureHolder(QWidget& player) {
    for (QWidget* child : player.findChildren<QWidget*>()) {
        if (child->inherits("QWindowContainer")) return child;
    }
    return nullptr;
}

class PlaybackWithoutPicture : public testing::TestWithParam<Display> {};

}  // namespace

TEST_P(PlaybackWithoutPicture, SoundAndVideoPlayToTheirEnd) {
    const Display display = GetParam();
    if (const std::string why = unfitFor(display); !why.empty()) GTEST_SKIP() << why;

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
    // The player is made with the first file, and with it the picture's window when there is OpenGL.
    const QPointer<QWidget> holder = pictureHolder(player);
    EXPECT_EQ(holder != nullptr, display == Display::OpenGLTooOld);
    ASSERT_TRUE(waitUntil([&finishes] { return finishes > 0; }, 20000))
        << player.findChild<QLabel*>()->text().toStdString();
    EXPECT_EQ(outcomes, QStringLiteral("pp"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(holder.isNull()) << "the picture's window was kept, though libmpv could not draw in it";
    EXPECT_EQ(pictureHolder(player), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Displays, PlaybackWithoutPicture,
                         testing::Values(Display::OpenGLTooOld, Display::NoOpenGL),
                         [](const testing::TestParamInfo<Display>& row) {
                             return row.param == Display::OpenGLTooOld ? "OpenGLTooOld" : "NoOpenGL";
                         });
