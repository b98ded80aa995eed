#include "formats.h"

#include "wildcardpattern.h"

#include <gtest/gtest.h>

namespace {

std::vector<Format> formats(std::initializer_list<std::pair<const char*, bool>> entries) {
    std::vector<Format> result;
    for (const auto& [extension, active] : entries) result.push_back({QString::fromUtf8(extension), active});
    return result;
}

}  // namespace

TEST(MediaPattern, EveryEntryCountsTickedOrNot) {
    EXPECT_EQ(
        mediaPattern(formats({{"mp3", true}, {"mov", true}, {"wav", true}, {"avi", false}, {"wma", true}})),
        QStringLiteral("*.mp3;*.mov;*.wav;*.avi;*.wma"));
    EXPECT_EQ(mediaPattern(formats({{"MP3", false}})), QStringLiteral("*.MP3"));
    EXPECT_EQ(mediaPattern({}), QStringLiteral("*."));
}

// Whatever the browser lists under the pattern of the formats ticked, play-all takes: the longer
// extensions that a format stands for, and the names a wildcard format matches, included. Play-all also
// takes by the last three characters what the browser does not list.
TEST(MediaPattern, PlayAllTakesWhatTheBrowserLists) {
    EXPECT_EQ(mediaPattern(formats({{"lac", true}, {"PEG", false}, {"mp3", true}})),
              QStringLiteral("*.lac;*.flac;*.PEG;*.mpeg;*.mp3"));
    const std::vector<Format> ticked = formats({{"lac", true}, {"pus", true}, {"ebm", true}, {"iff", true},
                                                {"m4a", true}, {"ivx", true}, {"2ts", true}, {"og*", true}});
    const WildcardPattern listed(mediaPattern(ticked));
    const ActiveFormats played(ticked);
    struct Case {
        const char* name;
        bool listed;
        bool taken;
    };
    const Case cases[] = {
        {"a.flac", true, true}, {"a.FLAC", true, true},   {"a.opus", true, true},    {"a.webm", true, true},
        {"a.aiff", true, true}, {"a.m4a", true, true},    {"a.divx", true, true},    {"a.m2ts", true, true},
        {"a.ogg", true, true},  {"a.ogv.x", true, true}, {"a.mp3", false, false}, {"a.xflac", false, true},
        {"flac", false, true},  {"a.lac", true, true},
    };
    for (const Case& c : cases) {
        const QString name = QString::fromUtf8(c.name);
        EXPECT_EQ(listed.matches(name), c.listed) << c.name;
        EXPECT_EQ(played.take(QStringLiteral("/m/") + name), c.taken) << c.name;
    }
    // An unticked format is listed, and not played.
    EXPECT_FALSE(ActiveFormats(formats({{"lac", false}})).take(QStringLiteral("/m/a.flac")));
}

TEST(NewFormat, AnyThreeCharactersNotAlreadyListedInAnyCase) {
    const std::vector<Format> list = formats({{"mp3", true}, {"wav", false}});
    struct Case {
        const char* answer;
        NewFormatVerdict verdict;
    };
    const Case cases[] = {
        {"MP3", NewFormatVerdict::AlreadyPresent}, {"Wav", NewFormatVerdict::AlreadyPresent},
        {"mpeg", NewFormatVerdict::WrongLength},   {"", NewFormatVerdict::WrongLength},
        {"mp", NewFormatVerdict::WrongLength},     {" mp3", NewFormatVerdict::WrongLength},
        {"wma", NewFormatVerdict::Accepted},       {".mp", NewFormatVerdict::Accepted},
        {"*.*", NewFormatVerdict::Accepted},       {"ñé3", NewFormatVerdict::Accepted},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkNewFormat(list, QString::fromUtf8(c.answer)), c.verdict) << c.answer;
}
