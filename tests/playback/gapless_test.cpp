// What is heard at the join of two tracks, through the real player module and libmpv: its sound written to
// a file (as fast as it decodes), for the two halves of one tone.
#include "mediaplayer.h"
#include "playermodule.h"
#include "quietplayer.h"
#include "sequencer.h"
#include "waituntil.h"
#include "wavfile.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <deque>

namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kFrameBytes = 2 * kChannels;
// Long enough for the track after to be queued while a half still plays at full speed.
constexpr int kToneFrames = 20 * kRate;
// The cut falls where the tone is far from zero.
constexpr int kCutFrame = kToneFrames / 2 + 37;

QByteArray tone() {
    QByteArray samples(kToneFrames * kFrameBytes, '\0');
    for (int frame = 0; frame < kToneFrames; ++frame) {
        const auto value = qint16(std::lround(16000 * std::sin(2 * M_PI * 441 * frame / kRate)));
        for (int channel = 0; channel < kChannels; ++channel)
            qToLittleEndian(value, samples.data() + frame * kFrameBytes + 2 * channel);
    }
    return samples;
}

// The samples of a WAV file as libmpv's writer leaves it: its header may hold more than the plain one.
QByteArray samplesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray wave = file.readAll();
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const quint32 size = qFromLittleEndian<quint32>(wave.constData() + at + 4);
        if (wave.mid(at, 4) == "data") return wave.mid(at + 8);
        at += 8 + qsizetype(size);
    }
    return {};
}

// The first sample that differs by more than one step, or -1.
qsizetype firstDifference(const QByteArray& heard, const QByteArray& expected) {
    for (qsizetype i = 0; i + 1 < expected.size(); i += 2) {
        const int a = qFromLittleEndian<qint16>(heard.constData() + i);
        const int b = qFromLittleEndian<qint16>(expected.constData() + i);
        if (std::abs(a - b) > 1) return i / 2;
    }
    return -1;
}

class PickedInTurn final : public RandomSource {
public:
    void seedFromClock() override {}
    double next() override {
        const double number = numbers.empty() ? 0 : numbers.front();
        if (!numbers.empty()) numbers.pop_front();
        return number;
    }
    std::deque<double> numbers;
};

struct Join {
    const char* name;
    PlayOptions options;
    // The queue, of the halves: h the first, t the second.
    const char* queue;
    std::deque<double> picks;
    // Once this many tracks have begun, Continuo and Random are turned off, so that playback ends.
    int startsBeforeOff;
    // What is heard: ends with the whole tone, after the halves before it.
    const char* heard;
};

}  // namespace

// At every join the second half follows the first without a sample lost or added: in order, at Continuo's
// wrap to the first track, and after Random's pick.
TEST(GaplessPlayback, TheHalvesOfAToneJoinSampleForSample) {
    QTemporaryDir folder;
    const QByteArray whole = tone();
    const QByteArray halves[] = {whole.left(kCutFrame * kFrameBytes), whole.mid(kCutFrame * kFrameBytes)};
    const Track head{QStringLiteral("h"), folder.filePath(QStringLiteral("h.wav"))};
    const Track tail{QStringLiteral("t"), folder.filePath(QStringLiteral("t.wav"))};
    ASSERT_TRUE(writePcmWav(head.path, halves[0], kRate, kChannels));
    ASSERT_TRUE(writePcmWav(tail.path, halves[1], kRate, kChannels));
    PlayerModule module(builtPlayerModule());

    const Join joins[] = {
        {"in order", {}, "ht", {}, 2, "ht"},
        {"at the wrap", {true, false}, "ht", {}, 4, "htht"},
        {"after a random pick", {false, true}, "ht", {0.1, 0.9, 0.5}, 2, "ht"},
    };
    for (const Join& join : joins) {
        const QString heardPath = folder.filePath(QString::fromUtf8(join.name) + QStringLiteral(".wav"));
        {
            MediaPlayer player(
                module, {false, {QStringLiteral("ao=pcm"), QStringLiteral("ao-pcm-file=") + heardPath}},
                nullptr);
            player.setVolume(100);
            PlayOptions options = join.options;
            PickedInTurn random;
            random.numbers = join.picks;
            Sequencer sequencer(
                player, [&options] { return options; }, random);
            QObject::connect(&player, &MediaPlayer::endOfStream, &sequencer, &Sequencer::endOfStream);
            QObject::connect(&player, &MediaPlayer::nextStarted, &sequencer, &Sequencer::nextStarted);
            QObject::connect(&player, &MediaPlayer::started, &sequencer, &Sequencer::trackStarted);
            int begun = 0;
            // After the sequencer has queued the track after this one: the change takes it back.
            QObject::connect(&player, &MediaPlayer::started, [&] {
                if (++begun < join.startsBeforeOff) return;
                options = {};
                sequencer.optionsChanged();
            });
            bool finished = false;
            QObject::connect(&sequencer, &Sequencer::finished, [&finished] { finished = true; });
            std::vector<Track> queue;
            for (const char* half = join.queue; *half; ++half) queue.push_back(*half == 'h' ? head : tail);
            ASSERT_TRUE(sequencer.playQueue(queue));
            ASSERT_TRUE(waitUntil([&finished] { return finished; }, 60000)) << join.name;
            EXPECT_EQ(begun, int(std::strlen(join.heard))) << join.name;
        }
        // Written out once the player has gone.
        const QByteArray heard = samplesOf(heardPath);
        QByteArray expected;
        for (const char* half = join.heard; *half; ++half) expected += halves[*half == 'h' ? 0 : 1];
        ASSERT_EQ(heard.size() / kFrameBytes, expected.size() / kFrameBytes) << join.name;
        EXPECT_EQ(firstDifference(heard, expected), -1) << join.name;
    }
}
