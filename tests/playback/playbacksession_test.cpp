// The viewer and the sequencer wired together, over a fake player module.
#include "playbacksession.h"
#include "fakeplayermodule.h"
#include "qtprinting.h"

#include <QPushButton>

#include <gtest/gtest.h>

// A change of the main window stops the player and hides the viewer, and leaves the queue; "Esci" and
// the close box end playback, and the main window shows again.
TEST(PlaybackSession, AChangeOfTheMainWindowLeavesTheQueueAndEsciEndsIt) {
    FakePlayerFactory factory;
    PlayerModule module(factory);
    PlaybackSession session(module, {}, [] { return PlayOptions{}; });
    QStringList told;
    QObject::connect(&session, &PlaybackSession::hideMainWindow,
                     [&told] { told.append(QStringLiteral("hide")); });
    QObject::connect(&session, &PlaybackSession::showMainWindow,
                     [&told] { told.append(QStringLiteral("show")); });
    const struct {
        const char* what;
        std::function<void()> leave;
        QStringList told;
        size_t queued;
    } cases[] = {
        {"a change of the main window", [&session] { session.stop(); }, {QStringLiteral("hide")}, 2},
        {"Esci",
         [&session] { session.visore().findChild<QPushButton*>(QStringLiteral("Command2"))->click(); },
         {QStringLiteral("hide"), QStringLiteral("show")},
         0},
        {"the close box",
         [&session] { session.visore().close(); },
         {QStringLiteral("hide"), QStringLiteral("show")},
         0},
    };
    for (const auto& row : cases) {
        told.clear();
        ASSERT_TRUE(session.playAll({{QStringLiteral("a"), QStringLiteral("/m/a.mp3")},
                                     {QStringLiteral("b"), QStringLiteral("/m/b.mp3")}},
                                    {{QStringLiteral("mp3"), true}}));
        EXPECT_TRUE(session.visore().isVisible()) << row.what;
        const int stops = factory.backend->stops;
        row.leave();
        EXPECT_EQ(told, row.told) << row.what;
        EXPECT_FALSE(session.visore().isVisible()) << row.what;
        EXPECT_EQ(factory.backend->stops, stops + 1) << row.what;
        EXPECT_EQ(session.sequencer().queue().size(), row.queued) << row.what;
    }
}
