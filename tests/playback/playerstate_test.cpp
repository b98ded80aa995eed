#include "playerstate.h"

#include "fakeplayerbackend.h"
#include "qtprinting.h"

#include <gtest/gtest.h>

void PrintTo(PlayerState::Shown shown, std::ostream* out) {
    static const char* const kNames[] = {"Stopped", "Loading", "Playing", "Paused", "Failed"};
    *out << kNames[int(shown)];
}

namespace {

using Shown = PlayerState::Shown;
using namespace Qt::StringLiterals;

// Plays steps, separated by spaces, through the state and a fake player. The intents: "file" sets
// /m/a.mp3, "play", "press" (play/pause), "stop". The player's notifications: "restart" (playback starts,
// after loading or a seek), "echo" (it reports the pause flag it was last set to), "paused" (it pauses by
// itself), "end", "empty" (played nothing), "fail", "pos=S" and "dur=S" in seconds, "tagged" (it reads an
// artist and a title from the file's tags), "titled" (a title alone).
void play(PlayerState& state, FakePlayerBackend& player, const QString& steps) {
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        const double seconds = step.section(u'=', 1).toDouble();
        if (step == u"file") state.setFile(QStringLiteral("/m/a.mp3"));
        if (step == u"play") state.play();
        if (step == u"press") state.togglePause();
        if (step == u"stop") state.stop();
        if (step == u"restart") state.playbackRestarted();
        if (step == u"echo") state.pausedChanged(player.paused);
        if (step == u"paused") state.pausedChanged(player.paused = true);
        if (step == u"end") state.fileEnded(TrackEnd::Played, {});
        if (step == u"empty") state.fileEnded(TrackEnd::PlayedNothing, {});
        if (step == u"fail") state.fileEnded(TrackEnd::CouldNotPlay, QStringLiteral("formato sconosciuto"));
        if (step.startsWith(u"pos=")) state.positionChanged(seconds);
        if (step.startsWith(u"dur=")) state.durationChanged(seconds);
        if (step == u"tagged") state.tagsChanged({{u"artist"_s, u"Mina"_s}, {u"title"_s, u"Parole"_s}});
        if (step == u"titled") state.tagsChanged({{u"TITLE"_s, u"Parole"_s}});
    }
}

}  // namespace

TEST(PlayerState, TheStateShownFollowsTheIntentsAndThePlayer) {
    const struct {
        const char* steps;
        Shown shown;
        const char* status;
        bool playerPaused;  // the pause flag the player was last set to
        int loads;
    } cases[] = {
        {"", Shown::Stopped, "Fermo", true, 0},
        {"file play", Shown::Loading, "a.mp3 — 0:00 / 0:00 — Caricamento", false, 1},
        {"file play restart dur=200 pos=65", Shown::Playing, "a.mp3 — 1:05 / 3:20 — In riproduzione", false,
         1},
        {"file play restart press echo", Shown::Paused, "a.mp3 — 0:00 / 0:00 — In pausa", true, 1},
        // A seek while paused stays paused, and play/pause then plays.
        {"file play restart press echo restart", Shown::Paused, "a.mp3 — 0:00 / 0:00 — In pausa", true, 1},
        {"file play restart press echo restart press echo", Shown::Playing,
         "a.mp3 — 0:00 / 0:00 — In riproduzione", false, 1},
        // Two presses before the player reports either.
        {"file play restart press press", Shown::Playing, "a.mp3 — 0:00 / 0:00 — In riproduzione", false, 1},
        {"file play restart press press echo", Shown::Playing, "a.mp3 — 0:00 / 0:00 — In riproduzione", false,
         1},
        // Play/pause while loading pauses; the file then starts paused.
        {"file play press", Shown::Loading, "a.mp3 — 0:00 / 0:00 — Caricamento", true, 1},
        {"file play press echo restart", Shown::Paused, "a.mp3 — 0:00 / 0:00 — In pausa", true, 1},
        {"file play restart paused", Shown::Paused, "a.mp3 — 0:00 / 0:00 — In pausa", true, 1},
        {"file play restart pos=3 end", Shown::Stopped, "a.mp3 — 0:03 / 0:00 — Fermo", false, 1},
        {"file play restart empty", Shown::Stopped, "a.mp3 — 0:00 / 0:00 — Fermo", false, 1},
        {"file play fail", Shown::Failed, "a.mp3 — 0:00 / 0:00 — Errore: formato sconosciuto", false, 1},
        // After an end, play/pause plays the file again from its start.
        {"file play restart end press", Shown::Loading, "a.mp3 — 0:00 / 0:00 — Caricamento", false, 2},
        {"file play restart pos=3 stop", Shown::Stopped, "a.mp3 — 0:00 / 0:00 — Fermo", false, 1},
        // A start reported after a stop belongs to the stopped file.
        {"file play stop restart", Shown::Stopped, "a.mp3 — 0:00 / 0:00 — Fermo", false, 1},
        {"press", Shown::Stopped, "Fermo", true, 0},
        // The name is the tags' when they have one, and the file's again for the next file.
        {"file play restart tagged pos=5", Shown::Playing, "Mina – Parole — 0:05 / 0:00 — In riproduzione",
         false, 1},
        {"file play restart titled press echo", Shown::Paused, "Parole — 0:00 / 0:00 — In pausa", true, 1},
        {"file play restart tagged end file", Shown::Loading, "a.mp3 — 0:00 / 0:00 — Caricamento", true, 2},
    };
    for (const auto& row : cases) {
        FakePlayerBackend player;
        PlayerState state;
        state.setBackend(&player);
        play(state, player, QString::fromUtf8(row.steps));
        EXPECT_EQ(state.shown(), row.shown) << row.steps;
        EXPECT_EQ(state.statusText(), QString::fromUtf8(row.status)) << row.steps;
        EXPECT_EQ(player.paused, row.playerPaused) << row.steps;
        EXPECT_EQ(player.loads.size(), row.loads) << row.steps;
    }
}
