#include "track.h"
#include "pairwisewalk.h"
#include "qtprinting.h"

#include <gtest/gtest.h>

#include <random>

namespace {

Track track(const QString& path) {
    return {path.section(QLatin1Char('/'), -1), path};
}

std::vector<Track> tracks(std::initializer_list<const char*> paths) {
    std::vector<Track> result;
    for (const char* path : paths) result.push_back(track(QString::fromUtf8(path)));
    return result;
}

std::vector<Track> withoutRepeats(const std::vector<Track>& list) {
    return withoutRepeatedPaths(list, list.size()).tracks;
}

}  // namespace

TEST(Track, DisplayNameDropsTheLastFourCharacters) {
    EXPECT_EQ(displayNameOf(QStringLiteral("Canzone.mp3")), QStringLiteral("Canzone"));
    EXPECT_EQ(displayNameOf(QStringLiteral("Film.mpeg")), QStringLiteral("Film."));
    EXPECT_EQ(displayNameOf(QStringLiteral(".mp3")), QString());
    EXPECT_EQ(displayNameOf(QStringLiteral("abc")), QStringLiteral("abc"));
}

TEST(Track, FullPathHasOneSeparatorAlsoAtTheRoot) {
    EXPECT_EQ(trackOfFile(QStringLiteral("/"), QStringLiteral("Canzone.mp3")),
              (Track{QStringLiteral("Canzone"), QStringLiteral("/Canzone.mp3")}));
    EXPECT_EQ(trackOfFile(QStringLiteral("/home/anna"), QStringLiteral("Canzone.mp3")).path,
              QStringLiteral("/home/anna/Canzone.mp3"));
}

TEST(Track, RepeatedPathsLeaveTheNewestInItsPlace) {
    EXPECT_EQ(withoutRepeats(tracks({"/A", "/B", "/C", "/B", "/D"})), tracks({"/A", "/C", "/B", "/D"}));
    const std::vector<Track> mixedCase = {track(QStringLiteral("/m/Canzone.mp3")),
                                          track(QStringLiteral("/x")),
                                          track(QStringLiteral("/M/canzone.MP3"))};
    EXPECT_EQ(withoutRepeats(mixedCase), (std::vector<Track>{mixedCase[1], mixedCase[2]}));
    EXPECT_TRUE(withoutRepeats({}).empty());
}

// Many random lists with repeats in mixed letter case, accented letters included.
TEST(Track, RepeatedPathsGoExactlyAsThePairwiseWalkRemovesThem) {
    std::mt19937 random(20261207);
    const QString letters = QStringLiteral("aAbBéÉ");
    for (int round = 0; round < 400; ++round) {
        std::vector<Track> list;
        const int size = int(random() % 40);
        for (int i = 0; i < size; ++i) {
            QString path = QStringLiteral("/");
            for (int c = 0; c < 2; ++c) path += letters[int(random() % letters.size())];
            list.push_back({QString::number(i), path});
        }
        ASSERT_EQ(withoutRepeats(list), pairwiseWalk(list)) << "round " << round;
    }
}
