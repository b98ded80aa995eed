#include "sequencer.h"
#include "qtprinting.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

class FakePlayer final : public Player {
public:
    void setFile(const QString& path) override { files.push_back(path); }
    void play() override { ++plays; }
    void stop() override { ++stops; }
    void queue(const QString& path) override { queued.append(path); }
    bool dequeue() override {
        ++dequeues;
        return !begunAlready;
    }
    void setDisplaySize(DisplaySize) override {}

    QStringList files;
    // Every file queued, and how often one was taken back; true: the file queued has begun already.
    QStringList queued;
    int dequeues = 0;
    bool begunAlready = false;
    int plays = 0;
    int stops = 0;
};

// Returns its numbers in turn; records every seeding.
class FixedRandom final : public RandomSource {
public:
    void seedFromClock() override { ++seedings; }
    double next() override {
        const double number = numbers.front();
        numbers.pop_front();
        return number;
    }

    std::deque<double> numbers;
    int seedings = 0;
};

std::vector<Track> playlist(std::initializer_list<const char*> files) {
    std::vector<Track> tracks;
    for (const char* file : files) {
        const QString name = QString::fromUtf8(file);
        tracks.push_back({name.section(QLatin1Char('.'), 0, 0), QStringLiteral("/m/") + name});
    }
    return tracks;
}

const std::vector<Format> kMp3 = {{QStringLiteral("mp3"), true}};

class SequencerTest : public testing::Test {
protected:
    SequencerTest() {
        QObject::connect(&sequencer, &Sequencer::trackStarting,
                         [this](const QString& name) { started.append(name); });
        QObject::connect(&sequencer, &Sequencer::opening,
                         [this](bool hideMain) { openings.push_back(hideMain); });
        QObject::connect(&sequencer, &Sequencer::finished, [this] { ++finishes; });
        QObject::connect(&sequencer, &Sequencer::failed,
                         [this](const QString& path) { failures.append(path); });
    }

    // Lets every started track end, up to a bound.
    void playToTheEnd(int bound = 20) {
        for (int i = 0; i < bound && !sequencer.queue().empty(); ++i) sequencer.endOfStream();
    }

    FakePlayer player;
    FixedRandom random;
    PlayOptions options;
    Sequencer sequencer{player, [this] { return options; }, random};
    QStringList started;
    std::vector<bool> openings;
    int finishes = 0;
    QStringList failures;
};

}  // namespace

TEST_F(SequencerTest, PlaysTheQueueInOrderThenFinishes) {
    ASSERT_TRUE(sequencer.playAll(playlist({"a.mp3", "b.mp3", "c.mp3"}), kMp3));
    EXPECT_EQ(openings, std::vector<bool>{true});
    playToTheEnd();
    EXPECT_EQ(started, (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(player.files, (QStringList{QStringLiteral("/m/a.mp3"), QStringLiteral("/m/b.mp3"),
                                         QStringLiteral("/m/c.mp3")}));
    EXPECT_EQ(player.plays, 3);
    EXPECT_EQ(finishes, 1);
    EXPECT_EQ(player.stops, 1);
    EXPECT_EQ(sequencer.current(), -1);
    EXPECT_EQ(random.seedings, 0);
}

TEST_F(SequencerTest, ContinuoStartsAgainFromTheFirstTrack) {
    options.continuo = true;
    sequencer.playAll(playlist({"a.mp3", "b.mp3", "c.mp3"}), kMp3);
    for (int i = 0; i < 5; ++i) sequencer.endOfStream();
    EXPECT_EQ(started.join(QString()), QStringLiteral("abcabc"));
    EXPECT_EQ(finishes, 0);

    // The options are read at each choice: unticking Continuo lets the queue end after its last track.
    options.continuo = false;
    playToTheEnd();
    EXPECT_EQ(started.join(QString()), QStringLiteral("abcabc"));
    EXPECT_EQ(finishes, 1);
}

TEST_F(SequencerTest, RandomPicksMayRepeatAndSeedOnlyWhenPlayAllStarts) {
    options.random = true;
    random.numbers = {0.5, 0.99, 0.5, 0.0, 0.7};
    sequencer.playAll(playlist({"a.mp3", "b.mp3", "c.mp3"}), kMp3);
    for (int i = 0; i < 4; ++i) sequencer.endOfStream();
    // 0.5 x 3 -> 1, 0.99 -> 2 (the last: with Random alone, another pick), 0.5 -> 1, 0.0 -> 0, 0.7 -> 2.
    EXPECT_EQ(started.join(QString()), QStringLiteral("bcbac"));
    EXPECT_EQ(random.seedings, 1);
    EXPECT_EQ(finishes, 0);
}

TEST_F(SequencerTest, RandomWithContinuoGoesToTheFirstTrackAfterTheLast) {
    options = {true, true};
    random.numbers = {0.9, 0.5};
    sequencer.playAll(playlist({"a.mp3", "b.mp3", "c.mp3"}), kMp3);
    sequencer.endOfStream();
    sequencer.endOfStream();
    EXPECT_EQ(started.join(QString()), QStringLiteral("cab"));
}

TEST_F(SequencerTest, OnlyTracksWhoseLastThreeCharactersAreAnActiveFormatArePlayed) {
    const std::vector<Format> formats = {{QStringLiteral("mp3"), true},
                                         {QStringLiteral("wav"), false},
                                         {QStringLiteral("WAV"), true},
                                         {QStringLiteral("peg"), true},
                                         {QStringLiteral("avi"), false}};
    sequencer.playAll(playlist({"a.MP3", "b.wav", "c.mpeg", "d.ogg", "e.mp4", "f.avi"}), formats);
    EXPECT_EQ(sequencer.queue(), (std::vector<Track>{playlist({"a.MP3", "b.wav", "c.mpeg"})}));

    EXPECT_FALSE(sequencer.playAll(playlist({"d.ogg"}), formats));
    EXPECT_TRUE(sequencer.queue().empty());
    EXPECT_FALSE(sequencer.playAll({}, formats));
    EXPECT_EQ(openings.size(), 1u);
}

// The player goes on to the track queued by itself: it is chosen once a track has begun, and again when
// the options change before it begins, unless it has begun already.
TEST_F(SequencerTest, TheTrackAfterIsQueuedOnceOneBeginsAndChosenAgainWhenTheOptionsChange) {
    sequencer.playAll(playlist({"a.mp3", "b.mp3", "c.mp3"}), kMp3);
    sequencer.trackStarted();
    options.random = true;
    random.numbers = {0.9};
    sequencer.optionsChanged();
    sequencer.nextStarted();
    options.random = false;
    sequencer.trackStarted();
    sequencer.optionsChanged();
    options.continuo = true;
    sequencer.optionsChanged();
    player.begunAlready = true;
    options.continuo = false;
    sequencer.optionsChanged();
    sequencer.nextStarted();
    EXPECT_EQ(player.queued, (QStringList{QStringLiteral("/m/b.mp3"), QStringLiteral("/m/c.mp3"),
                                          QStringLiteral("/m/a.mp3")}));
    EXPECT_EQ(player.dequeues, 3);
    EXPECT_EQ(started.join(QString()), QStringLiteral("aca"));
    EXPECT_EQ(player.files, QStringList{QStringLiteral("/m/a.mp3")});
    EXPECT_EQ(finishes, 0);
}

TEST_F(SequencerTest, OneFileAloneLeavesTheQueueAndFinishesAtItsEnd) {
    sequencer.playOne(playlist({"solo.ogg"})[0], false);
    EXPECT_EQ(openings, std::vector<bool>{false});
    EXPECT_EQ(player.files, QStringList{QStringLiteral("/m/solo.ogg")});
    sequencer.endOfStream();
    EXPECT_EQ(finishes, 1);
    EXPECT_TRUE(failures.isEmpty());
}

// What ends playback: the queue played out, or a whole pass of it that was not heard (every track
// failed or played nothing), which names the last failure once, if there was one.
TEST_F(SequencerTest, PlaybackEndsWhenNothingOfAWholePassIsHeard) {
    const struct {
        const char* what;
        PlayOptions options;
        const char* files;    // the queue, or "=" and the one file played alone
        const char* ends;     // how each track started ends: p played, e played nothing, f failed
        const char* started;  // the tracks started, in order
        int finishes;
        const char* failed;  // the file named by the message
    } cases[] = {
        {"a failure is skipped", {}, "abc", "pfp", "abc", 1, ""},
        {"a pass of failures", {true, false}, "xy", "ff", "xy", 1, "y"},
        {"a played track clears the record", {true, false}, "abc", "ffppff", "abcabca", 0, ""},
        {"a pass of empty files", {true, false}, "ab", "ee", "ab", 1, ""},
        {"a pass of a failure and an empty file", {true, false}, "ab", "fe", "ab", 1, "a"},
        {"an empty file between failures", {true, false}, "abc", "fef", "abc", 1, "c"},
        {"a played track ends the pass", {true, false}, "ab", "epee", "abab", 1, ""},
        {"one file alone with Continuo", {true, false}, "=s", "p", "s", 1, ""},
        {"one file alone with Random", {false, true}, "=s", "p", "s", 1, ""},
        {"one file alone that fails", {}, "=r", "f", "r", 1, "r"},
        {"one empty file alone", {true, false}, "=v", "e", "v", 1, ""},
    };
    for (const auto& row : cases) {
        options = row.options;
        started.clear();
        failures.clear();
        finishes = 0;
        const QString files = QString::fromUtf8(row.files);
        std::vector<Track> queue;
        for (const QChar file : files) {
            if (file != u'=')
                queue.push_back(playlist({QString(file).append(u".mp3").toUtf8().constData()})[0]);
        }
        if (files.startsWith(u'=')) {
            sequencer.playOne(queue[0], false);
        } else {
            sequencer.playAll(queue, kMp3);
        }
        for (const char* end = row.ends; *end && finishes == 0; ++end) {
            if (*end == 'p') sequencer.endOfStream();
            if (*end == 'e') sequencer.playedNothing();
            if (*end == 'f') sequencer.couldNotPlay();
        }
        EXPECT_EQ(started.join(QString()), QString::fromUtf8(row.started)) << row.what;
        EXPECT_EQ(finishes, row.finishes) << row.what;
        const QStringList failed =
            *row.failed ? QStringList{QStringLiteral("/m/%1.mp3").arg(QLatin1String(row.failed))}
                        : QStringList{};
        EXPECT_EQ(failures, failed) << row.what;
        sequencer.finish();
    }
}

TEST_F(SequencerTest, AFileAloneThatCannotBePlayedIsReported) {
    sequencer.playOne(playlist({"rotto.mp3"})[0], true);
    sequencer.couldNotPlay();
    EXPECT_EQ(failures, QStringList{QStringLiteral("/m/rotto.mp3")});
    EXPECT_EQ(finishes, 1);
    // Nothing plays any more: a late notification changes nothing.
    sequencer.couldNotPlay();
    EXPECT_EQ(failures.size(), 1);
}

TEST_F(SequencerTest, FinishEmptiesTheQueueAndStopsThePlayer) {
    options.continuo = true;
    sequencer.playAll(playlist({"a.mp3", "b.mp3"}), kMp3);
    sequencer.finish();
    EXPECT_TRUE(sequencer.queue().empty());
    EXPECT_EQ(player.stops, 1);
    EXPECT_EQ(finishes, 1);
    int unavailable = 0;
    QObject::connect(&sequencer, &Sequencer::unavailable, [&unavailable] { ++unavailable; });
    sequencer.playAll(playlist({"a.mp3"}), kMp3);
    sequencer.playerUnavailable(QStringLiteral("nessun modulo"));
    EXPECT_EQ(unavailable, 1);
    EXPECT_EQ(finishes, 2);
}

// Back from each track in turn goes to the one before it, and the first track or a file alone starts
// again; whether the end of a track starts another follows the options as they are at each ask.
TEST_F(SequencerTest, PreviousGoesBackAndTheFirstTrackStartsAgain) {
    EXPECT_FALSE(sequencer.hasNext());
    sequencer.previous();
    EXPECT_TRUE(player.files.isEmpty());

    ASSERT_TRUE(sequencer.playAll(playlist({"a.mp3", "b.mp3"}), kMp3));
    const struct {
        const char* what;
        std::function<void()> act;
        QString playing;
        bool loads;
        bool hasNext;
    } steps[] = {
        {"the end of a", [this] { sequencer.endOfStream(); }, QStringLiteral("/m/b.mp3"), true, false},
        {"Continuo on", [this] { options.continuo = true; }, QStringLiteral("/m/b.mp3"), false, true},
        {"back from b", [this] { sequencer.previous(); }, QStringLiteral("/m/a.mp3"), true, true},
        {"back from a", [this] { sequencer.previous(); }, QStringLiteral("/m/a.mp3"), true, true},
        {"a file alone", [this] { sequencer.playOne(playlist({"x.mp3"})[0], false); },
         QStringLiteral("/m/x.mp3"), true, true},
        {"back from the file alone", [this] { sequencer.previous(); }, QStringLiteral("/m/x.mp3"), true,
         true},
        {"the end", [this] { sequencer.finish(); }, QString(), false, false},
    };
    for (const auto& step : steps) {
        const qsizetype loads = player.files.size();
        step.act();
        EXPECT_EQ(sequencer.playing() ? sequencer.playing()->path : QString(), step.playing) << step.what;
        EXPECT_EQ(player.files.size(), loads + (step.loads ? 1 : 0)) << step.what;
        EXPECT_EQ(sequencer.hasNext(), step.hasNext) << step.what;
    }
}

TEST_F(SequencerTest, AQueueOfItsOwnPlaysEveryTrackWhateverItsFormatAsPlayAllDoes) {
    ASSERT_TRUE(sequencer.playQueue(playlist({"a.ogg", "b.mp3", "c"})));
    EXPECT_EQ(openings, std::vector<bool>{true});
    playToTheEnd();
    EXPECT_EQ(started.join(QString()), QStringLiteral("abc"));
    EXPECT_EQ(finishes, 1);

    options.random = true;
    random.numbers = {0.9};
    sequencer.playQueue(playlist({"a.ogg", "b.mp3"}));
    EXPECT_EQ(started.last(), QStringLiteral("b"));
    EXPECT_EQ(random.seedings, 1);

    EXPECT_FALSE(sequencer.playQueue({}));
    EXPECT_TRUE(sequencer.queue().empty());
    EXPECT_EQ(openings.size(), 2u);
}
