// The player component over a fake player module.
#include "mediaplayer.h"
#include "fakeplayermodule.h"
#include "qtprinting.h"
#include "waituntil.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QSlider>
#include <QStyleOptionSlider>

#include <gtest/gtest.h>

#include <set>

namespace {

class MediaPlayerTest : public testing::Test {
protected:
    // A file of two minutes, playing at one minute.
    void playAtOneMinute() {
        player.setFile(QStringLiteral("/m/a.mp3"));
        player.play();
        factory.listener->playbackRestarted();
        factory.listener->durationChanged(120);
        factory.listener->positionChanged(60);
    }

    void key(Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(seekBar, &event);
    }

    void send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, seekBar->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(seekBar, &event);
    }

    QPoint handleCentre() {
        QStyleOptionSlider option;
        option.initFrom(seekBar);
        option.orientation = Qt::Horizontal;
        option.minimum = seekBar->minimum();
        option.maximum = seekBar->maximum();
        option.sliderPosition = seekBar->sliderPosition();
        option.sliderValue = seekBar->value();
        return seekBar->style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, seekBar)
            .center();
    }

    FakePlayerFactory factory;
    PlayerModule module{factory};
    MediaPlayer player{module, {}, nullptr};
    QSlider* seekBar = player.findChild<QSlider*>(QStringLiteral("seekBar"));
};

}  // namespace

TEST_F(MediaPlayerTest, TheModuleIsLoadedWhenAFileIsFirstSet) {
    EXPECT_EQ(factory.listener, nullptr);
    player.setFile(QStringLiteral("/m/a.mp3"));
    ASSERT_NE(factory.backend, nullptr);
    EXPECT_EQ(factory.backend->loads, QStringList{QStringLiteral("/m/a.mp3")});

    QString reason;
    PlayerModule missing(QStringLiteral("/nessuna/cartella/libzeb_mpv.so"));
    MediaPlayer unavailable(missing, {}, nullptr);
    QObject::connect(&unavailable, &MediaPlayer::unavailable,
                     [&reason](const QString& why) { reason = why; });
    unavailable.setFile(QStringLiteral("/m/a.mp3"));
    EXPECT_TRUE(waitUntil([&reason] { return !reason.isEmpty(); }));
}

// Each way the user moves the seek bar seeks to where its handle went; the moves that follow the
// player's position do not.
TEST_F(MediaPlayerTest, TheSeekBarSeeksWhicheverWayItIsMoved) {
    const struct {
        const char* what;
        std::function<void()> move;
        double seconds;  // where the handle goes; -1 where the style decides
    } cases[] = {
        {"right arrow", [this] { key(Qt::Key_Right); }, 65},
        {"left arrow", [this] { key(Qt::Key_Left); }, 55},
        {"page up", [this] { key(Qt::Key_PageUp); }, 90},
        {"page down", [this] { key(Qt::Key_PageDown); }, 30},
        {"home", [this] { key(Qt::Key_Home); }, 0},
        {"end", [this] { key(Qt::Key_End); }, 120},
        {"wheel",
         [this] {
             QWheelEvent wheel(QPointF(10, 5), seekBar->mapToGlobal(QPointF(10, 5)), {}, QPoint(0, 120),
                               Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
             QApplication::sendEvent(seekBar, &wheel);
         },
         -1},
        {"click on the groove",
         [this] {
             const QPoint at(seekBar->width() - 5, seekBar->height() / 2);
             send(QEvent::MouseButtonPress, at, Qt::LeftButton);
             send(QEvent::MouseButtonRelease, at, Qt::NoButton);
         },
         -1},
        {"drag",
         [this] {
             const QPoint from = handleCentre();
             send(QEvent::MouseButtonPress, from, Qt::LeftButton);
             send(QEvent::MouseMove, from + QPoint(40, 0), Qt::LeftButton);
             send(QEvent::MouseButtonRelease, from + QPoint(40, 0), Qt::NoButton);
         },
         -1},
    };
    player.resize(400, 300);
    playAtOneMinute();
    for (const auto& row : cases) {
        factory.listener->positionChanged(60);
        factory.backend->seeks.clear();
        row.move();
        if (factory.backend->seeks.empty()) {
            ADD_FAILURE() << "no seek: " << row.what;
            continue;
        }
        const double seconds = factory.backend->seeks.back();
        EXPECT_EQ(seconds, seekBar->sliderPosition() / 10.0) << row.what;
        EXPECT_NE(seconds, 60) << row.what;
        if (row.seconds >= 0) {
            EXPECT_EQ(seconds, row.seconds) << row.what;
        }
    }
    factory.backend->seeks.clear();
    factory.listener->positionChanged(61);
    factory.listener->durationChanged(30);
    EXPECT_TRUE(factory.backend->seeks.empty());
}

TEST_F(MediaPlayerTest, ThePlayAndPauseIconsAreDrawnOnce) {
    const QAction* playPause = player.findChild<QAction*>(QStringLiteral("playPause"));
    std::set<qint64> icons{playPause->icon().cacheKey()};
    playAtOneMinute();
    for (int second = 61; second < 70; ++second) {
        factory.listener->positionChanged(second);
        icons.insert(playPause->icon().cacheKey());
    }
    player.findChild<QAction*>(QStringLiteral("playPause"))->trigger();
    factory.listener->positionChanged(70);
    icons.insert(playPause->icon().cacheKey());
    EXPECT_EQ(icons.size(), 2u);
}
