// The media controls over the viewer and the sequencer, over a fake player module.
#include "mediacontrols.h"
#include "fakeplayermodule.h"
#include "mediaplayer.h"
#include "mprishost.h"
#include "playbacksession.h"
#include "qtprinting.h"
#include "settingsmodel.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class FakeHost final : public MprisHost {
public:
    void raiseWindow() override { asked.append(QStringLiteral("show")); }
    void askToQuit() override { asked.append(QStringLiteral("quit")); }
    void playPlaylist() override { asked.append(QStringLiteral("play-all")); }
    bool canPlayPlaylist() const override { return playlistPlays; }
    void openFile(const QString& path) override { asked.append(QStringLiteral("open ") + path); }

    QStringList asked;
    bool playlistPlays = true;
};

class MediaControlsTest : public testing::Test {
protected:
    // a and b in the queue, a playing.
    void playAandB() {
        ASSERT_TRUE(session.playAll({{QStringLiteral("a"), QStringLiteral("/m/a.mp3")},
                                     {QStringLiteral("b"), QStringLiteral("/m/b b.mp3")}},
                                    {{QStringLiteral("mp3"), true}}));
        started();
    }

    // The player has loaded the file set last: it lasts two minutes and is at one.
    void started() {
        factory.listener->playbackRestarted();
        factory.listener->durationChanged(120);
        factory.listener->positionChanged(60);
    }

    QString title() const { return controls.metadata().value(QStringLiteral("xesam:title")).toString(); }

    FakePlayerFactory factory;
    PlayerModule module{factory};
    SettingsModel settings;
    PlaybackSession session{module, {}, [this] {
                                return PlayOptions{settings.continuo(), settings.random()};
                            }};
    FakeHost host;
    MediaControls controls{session, host, settings};
};

}  // namespace

TEST_F(MediaControlsTest, WithTheViewerClosedPlayPlaysThePlaylistAndNothingElseActs) {
    const struct {
        const char* what;
        std::function<void()> act;
        QStringList asked;
    } cases[] = {
        {"play", [this] { controls.play(); }, {QStringLiteral("play-all")}},
        {"play/pause", [this] { controls.playPause(); }, {QStringLiteral("play-all")}},
        {"pause", [this] { controls.pause(); }, {}},
        {"stop", [this] { controls.stop(); }, {}},
        {"next", [this] { controls.next(); }, {}},
        {"previous", [this] { controls.previous(); }, {}},
        {"seek", [this] { controls.seek(5'000'000); }, {}},
    };
    for (const auto& row : cases) {
        host.asked.clear();
        row.act();
        EXPECT_EQ(host.asked, row.asked) << row.what;
        EXPECT_EQ(controls.playbackStatus(), QStringLiteral("Stopped")) << row.what;
        EXPECT_TRUE(controls.metadata().isEmpty()) << row.what;
        EXPECT_FALSE(controls.canGoNext() || controls.canGoPrevious() || controls.canSeek()) << row.what;
        EXPECT_FALSE(session.visore().isVisible()) << row.what;
    }
}

// Play says whether it would do something, and does it: the playlist, else the queue that played last.
TEST_F(MediaControlsTest, PlayWithTheViewerClosedPlaysThePlaylistOrElseTheLastQueue) {
    host.playlistPlays = false;
    EXPECT_FALSE(controls.canPlay()) << "nothing to play at all";
    controls.play();
    EXPECT_TRUE(host.asked.isEmpty());
    EXPECT_FALSE(session.visore().isVisible());

    host.playlistPlays = true;
    EXPECT_TRUE(controls.canPlay());
    controls.play();
    EXPECT_EQ(host.asked, QStringList{QStringLiteral("play-all")});

    playAandB();
    controls.next();
    controls.stop();
    host.playlistPlays = false;
    EXPECT_TRUE(controls.canPlay()) << "the queue stopped can play again";
    controls.play();
    EXPECT_TRUE(session.visore().isVisible());
    EXPECT_EQ(title(), QStringLiteral("a"));
    EXPECT_EQ(host.asked, QStringList{QStringLiteral("play-all")});
}

// Each control acts on the queue and the player as the viewer's own controls and the end of a track do.
TEST_F(MediaControlsTest, TheControlsDriveTheQueueAndThePlayer) {
    playAandB();
    const struct {
        const char* what;
        std::function<void()> act;
        QString status;
        QString title;
        bool canGoNext;
    } steps[] = {
        {"play-all", [] {}, QStringLiteral("Playing"), QStringLiteral("a"), true},
        {"pause", [this] { controls.pause(); }, QStringLiteral("Paused"), QStringLiteral("a"), true},
        {"pause again", [this] { controls.pause(); }, QStringLiteral("Paused"), QStringLiteral("a"), true},
        {"play/pause", [this] { controls.playPause(); }, QStringLiteral("Playing"), QStringLiteral("a"),
         true},
        {"play/pause again", [this] { controls.playPause(); }, QStringLiteral("Paused"), QStringLiteral("a"),
         true},
        {"play", [this] { controls.play(); }, QStringLiteral("Playing"), QStringLiteral("a"), true},
        {"next", [this] { controls.next(); }, QStringLiteral("Playing"), QStringLiteral("b"), false},
        {"Continuo on", [this] { settings.setContinuo(true); }, QStringLiteral("Playing"),
         QStringLiteral("b"), true},
        {"previous", [this] { controls.previous(); }, QStringLiteral("Playing"), QStringLiteral("a"), true},
        {"previous at the first track", [this] { controls.previous(); }, QStringLiteral("Playing"),
         QStringLiteral("a"), true},
        {"the track stopped in the viewer", [this] { session.visore().player().stop(); },
         QStringLiteral("Stopped"), QStringLiteral("a"), true},
        {"play again", [this] { controls.play(); }, QStringLiteral("Playing"), QStringLiteral("a"), true},
        {"stop", [this] { controls.stop(); }, QStringLiteral("Stopped"), QString(), false},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(controls.playbackStatus(), step.status) << step.what;
        EXPECT_EQ(title(), step.title) << step.what;
        EXPECT_EQ(controls.canGoNext(), step.canGoNext) << step.what;
    }
    EXPECT_FALSE(session.visore().isVisible());
    EXPECT_EQ(factory.backend->loads, (QStringList{QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b b.mp3"),
                                                   QStringLiteral("/m/a.mp3"), QStringLiteral("/m/a.mp3"),
                                                   QStringLiteral("/m/a.mp3")}));
    EXPECT_TRUE(host.asked.isEmpty());
}

// The title is the tag's, else the display name; artist and album only when tagged; each load of a
// track has an id of its own.
TEST_F(MediaControlsTest, TheMetadataNameTheTrackPlaying) {
    QSignalSpy changes(&controls, &MediaControls::changed);
    playAandB();
    EXPECT_GT(changes.count(), 0);
    QVariantMap untagged = controls.metadata();
    EXPECT_EQ(untagged.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("a"));
    EXPECT_EQ(untagged.value(QStringLiteral("xesam:url")).toString(), QStringLiteral("file:///m/a.mp3"));
    EXPECT_EQ(untagged.value(QStringLiteral("mpris:length")).toLongLong(), 120'000'000);
    EXPECT_FALSE(untagged.contains(QStringLiteral("xesam:artist")));
    EXPECT_FALSE(untagged.contains(QStringLiteral("xesam:album")));

    factory.listener->tagsChanged({{QStringLiteral("TITLE"), QStringLiteral("Alba")},
                                   {QStringLiteral("Artist"), QStringLiteral("Coro")},
                                   {QStringLiteral("album"), QStringLiteral("Canti")}});
    const QVariantMap tagged = controls.metadata();
    EXPECT_EQ(tagged.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("Alba"));
    EXPECT_EQ(tagged.value(QStringLiteral("xesam:artist")).toStringList(),
              QStringList{QStringLiteral("Coro")});
    EXPECT_EQ(tagged.value(QStringLiteral("xesam:album")).toString(), QStringLiteral("Canti"));
    const auto trackId = [this] {
        return controls.metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>().path();
    };
    const QString first = trackId();
    EXPECT_TRUE(first.startsWith(QStringLiteral("/org/zeb/track/"))) << first.toStdString();

    controls.next();
    const QVariantMap next = controls.metadata();
    EXPECT_EQ(next.value(QStringLiteral("xesam:title")).toString(), QStringLiteral("b"));
    EXPECT_EQ(next.value(QStringLiteral("xesam:url")).toString(), QStringLiteral("file:///m/b%20b.mp3"));
    EXPECT_FALSE(next.contains(QStringLiteral("xesam:artist"))) << "the tags of the track before stayed";
    EXPECT_FALSE(next.contains(QStringLiteral("mpris:length")));
    controls.previous();
    EXPECT_NE(trackId(), first);
}

// Seeks stay within the track; beyond its end the next track plays; a position for another track, or
// outside this one, is ignored. Every seek is told.
TEST_F(MediaControlsTest, SeeksStayWithinTheTrack) {
    playAandB();
    QSignalSpy seeked(&controls, &MediaControls::seeked);
    const QDBusObjectPath current =
        controls.metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>();
    const struct {
        const char* what;
        std::function<void()> act;
        std::vector<double> seeks;
        qlonglong position;
    } cases[] = {
        {"30 s on", [this] { controls.seek(30'000'000); }, {90}, 90'000'000},
        {"back past the start", [this] { controls.seek(-200'000'000); }, {0}, 0},
        {"to a position", [&] { controls.setPosition(current, 15'500'000); }, {15.5}, 15'500'000},
        {"a position of another track",
         [&] { controls.setPosition(QDBusObjectPath(QStringLiteral("/org/zeb/track/0")), 1); },
         {},
         60'000'000},
        {"a position past the end", [&] { controls.setPosition(current, 121'000'000); }, {}, 60'000'000},
        {"a position before the start", [&] { controls.setPosition(current, -1); }, {}, 60'000'000},
    };
    for (const auto& row : cases) {
        factory.listener->positionChanged(60);
        factory.backend->seeks.clear();
        seeked.clear();
        row.act();
        EXPECT_EQ(factory.backend->seeks, row.seeks) << row.what;
        EXPECT_EQ(controls.position(), row.position) << row.what;
        EXPECT_EQ(seeked.count(), qsizetype(row.seeks.size())) << row.what;
        if (!seeked.isEmpty()) {
            EXPECT_EQ(seeked.first().first().toLongLong(), row.position) << row.what;
        }
    }
    controls.seek(61'000'000);
    EXPECT_EQ(title(), QStringLiteral("b")) << "a seek past the end did not go to the next track";

    factory.backend->seeks.clear();
    const QDBusObjectPath loading =
        controls.metadata().value(QStringLiteral("mpris:trackid")).value<QDBusObjectPath>();
    controls.setPosition(loading, 1'000'000);
    controls.seek(1'000'000);
    EXPECT_FALSE(controls.canSeek());
    EXPECT_TRUE(factory.backend->seeks.empty()) << "a track still loading was sought";
    started();
    EXPECT_TRUE(controls.canSeek());
}

TEST_F(MediaControlsTest, TheVolumeGoesFromNoneToFull) {
    for (const auto& [asked, set] :
         {std::pair{0.5, 0.5}, {0.0, 0.0}, {1.7, 1.0}, {-0.3, 0.0}, {0.333, 0.33}}) {
        controls.setVolume(asked);
        EXPECT_DOUBLE_EQ(controls.volume(), set) << asked;
        EXPECT_EQ(session.visore().player().volume(), qRound(set * 100)) << asked;
    }
}

// Local files only, handed to the window that plays them.
TEST_F(MediaControlsTest, OnlyLocalFilesAreOpened) {
    const struct {
        const char* uri;
        bool opened;
        QStringList asked;
    } cases[] = {
        {"file:///m/a%20b.mp3", true, {QStringLiteral("open /m/a b.mp3")}},
        {"file://localhost/m/c%C3%A8.mp3", true, {QString::fromUtf8("open /m/cè.mp3")}},
        {"file://server/m/a.mp3", false, {}},
        {"http://example.org/a.mp3", false, {}},
        {"/m/a.mp3", false, {}},
        {"", false, {}},
    };
    for (const auto& row : cases) {
        host.asked.clear();
        EXPECT_EQ(controls.openUri(QString::fromUtf8(row.uri)), row.opened) << row.uri;
        EXPECT_EQ(host.asked, row.asked) << row.uri;
    }
}
