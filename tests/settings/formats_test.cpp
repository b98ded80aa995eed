#include "formats.h"

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
