// Playback: from play-all to the sound starting, and from the end of one track to the start of the next.
// The player is the real module over libmpv, with a silent audio output that keeps real time. Without the
// module, or when a file does not play, the program ends at once with the reason.
//
// The first play of a run is measured in runs of its own: this program started again with --first-play,
// with or without a sign of intent ahead of the play (the module loaded ahead, as the pointer coming over
// play-all starts it, then a person's pause before the click).
#include "figures.h"
#include "mediaplayer.h"
#include "quietplayer.h"
#include "sequencer.h"
#include "waituntil.h"
#include "wavfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const QString& reason) {
    std::fprintf(stderr, "playback_bench: %s\n", qPrintable(reason));
    std::exit(EXIT_FAILURE);
}

const std::vector<Format> kWav = {{QStringLiteral("wav"), true}};

class Rig {
public:
    Rig() {
        m_clock.start();
        QObject::connect(&player, &MediaPlayer::endOfStream, [this] { m_lastEnd = m_clock.nsecsElapsed(); });
        QObject::connect(&player, &MediaPlayer::started, [this] { m_lastStart = m_clock.nsecsElapsed(); });
        QObject::connect(&player, &MediaPlayer::endOfStream, &sequencer, &Sequencer::endOfStream);
        QObject::connect(&player, &MediaPlayer::unavailable, [this](const QString& reason) {
            m_failure = QStringLiteral("the player module does not load: ") + reason;
        });
        QObject::connect(&player, &MediaPlayer::couldNotPlay, [this](const QString& reason) {
            m_failure = QStringLiteral("a file could not be played: ") + reason;
        });
        QObject::connect(&player, &MediaPlayer::playedNothing,
                         [this] { m_failure = QStringLiteral("a file played nothing"); });
        // libmpv ends a file only once its sound has played out: a stop in the last moments of a file waits
        // for that, so the file that is stopped is a long one.
        for (const auto& [name, milliseconds] : {std::pair{"lungo", 5000}, {"uno", 500}, {"due", 500}}) {
            const QString path = m_folder.filePath(QString::fromUtf8(name) + QStringLiteral(".wav"));
            if (!writeWav(path, milliseconds)) fail(QStringLiteral("cannot write ") + path);
            tracks.push_back({QString::fromUtf8(name), path});
        }
    }

    // From play-all to the player reporting that playback has started, in seconds.
    double playAllUntilStarted() {
        QElapsedTimer clock;
        clock.start();
        sequencer.playAll({tracks[0]}, kWav);
        waitForStart();
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        sequencer.finish();
        return seconds;
    }

    // From the end of the first track of a queue to the start of the second, in seconds.
    double gapBetweenTracks() {
        sequencer.playAll({tracks[1], tracks[2]}, kWav);
        waitForStart();
        waitForStart();
        const double seconds = double(m_lastStart - m_lastEnd) / 1e9;
        waitForFinish();
        return seconds;
    }

private:
    void waitForFinish() {
        bool finished = false;
        const auto connection =
            QObject::connect(&sequencer, &Sequencer::finished, [&finished] { finished = true; });
        waitFor(finished, "end of the queue");
        QObject::disconnect(connection);
    }

    void waitForStart() {
        bool started = false;
        const auto connection =
            QObject::connect(&player, &MediaPlayer::started, [&started] { started = true; });
        waitFor(started, "start of playback");
        QObject::disconnect(connection);
    }

    // Until the event has come; a failure of the player, or ten seconds without it, end the program.
    void waitFor(const bool& event, const char* what) {
        const bool came = waitUntil([&] { return event || !m_failure.isEmpty(); }, 10000);
        if (!m_failure.isEmpty()) fail(m_failure);
        if (!came) fail(QStringLiteral("no %1 within 10 seconds").arg(QLatin1String(what)));
    }

    QTemporaryDir m_folder;
    QElapsedTimer m_clock;
    qint64 m_lastEnd = 0;
    qint64 m_lastStart = 0;
    QString m_failure;

public:
    PlayerModule module{builtPlayerModule()};
    MediaPlayer player{module, {false, {QStringLiteral("ao=null")}}, nullptr};
    ClockSeededRandom random;
    Sequencer sequencer{player, [] { return PlayOptions{}; }, random};
    std::vector<Track> tracks;
};

// Made by main, so that it goes before the application does.
Rig* theRig = nullptr;

Rig& rig() {
    return *theRig;
}

void playAllUntilStarted(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(rig().playAllUntilStarted());
}
BENCHMARK(playAllUntilStarted)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void nextTrackAfterEnd(benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(rig().gapBetweenTracks());
}
BENCHMARK(nextTrackAfterEnd)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

// A pointer comes to rest on a button and the click follows about a third of a second later.
constexpr unsigned long kHoverBeforeClickMilliseconds = 300;
constexpr int kFirstPlayRuns = 7;

// The resident memory of this process, in MiB.
double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return std::nan("");
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return std::nan("");
}

// One run's first play, in milliseconds, and the memory before it and after the module was loaded ahead.
int firstPlayRun(bool intent) {
    Rig rig;
    const double idle = residentMiB();
    if (intent) {
        rig.module.preload();
        QThread::msleep(kHoverBeforeClickMilliseconds);
    }
    const double preloaded = residentMiB();
    std::printf("%f %f %f\n", rig.playAllUntilStarted() * 1000, idle, preloaded);
    return 0;
}

struct FirstPlay {
    double milliseconds;
    double idleMiB;
    double preloadedMiB;
};

// The median of fresh runs of this program.
FirstPlay medianFirstPlay(bool intent) {
    std::vector<FirstPlay> runs;
    for (int run = 0; run < kFirstPlayRuns; ++run) {
        QProcess child;
        child.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--first-play=") + (intent ? QStringLiteral("intent") : QStringLiteral("none"))});
        if (!child.waitForFinished(30000) || child.exitCode() != 0)
            fail(QStringLiteral("a first-play run failed"));
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        if (figures.size() != 3) fail(QStringLiteral("a first-play run printed no figures"));
        runs.push_back({figures[0].toDouble(), figures[1].toDouble(), figures[2].toDouble()});
    }
    std::sort(runs.begin(), runs.end(),
              [](const FirstPlay& a, const FirstPlay& b) { return a.milliseconds < b.milliseconds; });
    return runs[runs.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QString mode = argc > 1 ? QString::fromUtf8(argv[1]) : QString();
    if (mode.startsWith(QStringLiteral("--first-play=")))
        return firstPlayRun(mode.endsWith(QStringLiteral("intent")));
    const FirstPlay withIntent = medianFirstPlay(true);
    const FirstPlay withoutIntent = medianFirstPlay(false);
    Rig rig;
    theRig = &rig;
    // The module loaded here: the plays timed below are the later ones of a run.
    rig.playAllUntilStarted();
    return runBenchmarks(argc, argv, [withIntent, withoutIntent](const Figures& figures) {
        std::printf("First play of a run, median of %d fresh runs:\n", kFirstPlayRuns);
        Figures::verdict("First play-all after a sign of intent, until sound starts", withIntent.milliseconds,
                         "ms", 100);
        std::printf("%-60s %10.2f ms\n", "First play-all with no sign ahead (loads libmpv on the click)",
                    withoutIntent.milliseconds);
        std::printf("%-60s %10.2f MiB\n", "Resident memory of this program, no sign of intent",
                    withIntent.idleMiB);
        std::printf("%-60s %10.2f MiB (+%.1f)\n", "The same once the module was loaded ahead",
                    withIntent.preloadedMiB, withIntent.preloadedMiB - withIntent.idleMiB);
        Figures::verdict("Play-all until sound starts",
                         figures.milliseconds("playAllUntilStarted/iterations:20/manual_time"), "ms", 100);
        Figures::verdict("End of one track to the start of the next",
                         figures.milliseconds("nextTrackAfterEnd/iterations:10/manual_time"), "ms", 50);
    });
}
