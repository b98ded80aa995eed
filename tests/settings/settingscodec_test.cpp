#include "settingscodec.h"
#include "entrylimit.h"
#include "settingsbytes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace settingsbytes;

namespace {

SettingsRecord twoFormats() {
    SettingsRecord record;
    record.currentListFile = QStringLiteral("/home/anna/Rock.zbl");
    record.continuo = true;
    record.clicco = 1;
    record.viewer = {150, 300};
    record.main = {1500, 750};
    record.scala = true;
    record.formats = {{QStringLiteral("mp3"), true}, {QStringLiteral("avi"), false}};
    return record;
}

SettingsRecord withFormats(std::initializer_list<const char*> extensions) {
    SettingsRecord record;
    for (const char* extension : extensions) record.formats.push_back({QString::fromUtf8(extension), true});
    return record;
}

// The first ten records with a given count, then whatever follows.
QByteArray headerWithCount(const QByteArray& count) {
    return file({text(""), integer(0), integer(0), integer(0), real(0), real(0), real(0), real(0), integer(0),
                 count});
}

}  // namespace

TEST(SettingsCodec, WritesTheTwoFormatExampleByteForByteAndReadsItBack) {
    const QByteArray expected = file({text("/home/anna/Rock.zbl"), integer(1), integer(0), integer(1),
                                      real(150), real(300), real(1500), real(750), integer(1), integer(2),
                                      text("mp3"), text("avi"), text("si"), text("no")});
    const QByteArray written = encodeSettings(twoFormats(), {});
    EXPECT_EQ(written, expected);
    EXPECT_EQ(decodeSettings(written), twoFormats());
}

TEST(SettingsCodec, EmptyFormatListEndsAtRecordTen) {
    const QByteArray written = encodeSettings(SettingsRecord{}, {});
    ASSERT_EQ(written.size(), 10 * 128);
    EXPECT_EQ(written.mid(9 * 128), record(integer(0)));
    EXPECT_EQ(decodeSettings(written), SettingsRecord{});
}

TEST(SettingsCodec, ShrunkListLeavesTheOldBytesPastItsLastRecord) {
    const QByteArray five = encodeSettings(withFormats({"mp3", "mov", "wav", "avi", "wma"}), {});
    const QByteArray two = encodeSettings(withFormats({"ogg", "mid"}), five);
    ASSERT_EQ(two.size(), five.size());
    EXPECT_EQ(two.mid(14 * 128), five.mid(14 * 128));
    EXPECT_EQ(decodeSettings(two), withFormats({"ogg", "mid"}));

    // Whatever a longer file held past the records written stays too.
    const QByteArray junk(40 * 128, char(0xAB));
    const QByteArray overJunk = encodeSettings(withFormats({"ogg"}), junk);
    EXPECT_EQ(overJunk.size(), junk.size());
    EXPECT_EQ(overJunk.mid(12 * 128), junk.mid(12 * 128));
    EXPECT_EQ(decodeSettings(overJunk), withFormats({"ogg"}));
}

TEST(SettingsCodec, TicksIgnoreLetterCaseAndAnythingElseLeavesTheEntryUnticked) {
    const QByteArray bytes =
        headerWithCount(integer(5)) + file({text("mp3"), text("avi"), text("wav"), text("mov"), text("wma"),
                                            text("SI"), text("No"), text("s\xc3\xac"), text("yes"), empty()});
    const SettingsRecord read = decodeSettings(bytes);
    ASSERT_EQ(read.formats.size(), 5u);
    EXPECT_TRUE(read.formats[0].active);
    for (size_t i = 1; i < 5; ++i) EXPECT_FALSE(read.formats[i].active) << i;
}

TEST(SettingsCodec, NumbersLoadByValueWhateverNumericKindHoldsThem) {
    const QByteArray bytes =
        file({text(""), real(1.0f), integer(0), real(1.0f), integer(150), integer(-300), integer(30),
              integer(45), real(1.0f), real(1.0f), text("mp3"), text("si")});
    const SettingsRecord read = decodeSettings(bytes);
    EXPECT_TRUE(read.continuo);
    EXPECT_EQ(read.clicco, 1);
    EXPECT_EQ(read.viewer, (TwipsPosition{150, -300}));
    EXPECT_EQ(read.main, (TwipsPosition{30, 45}));
    EXPECT_TRUE(read.scala);
    EXPECT_EQ(read.formats, (std::vector<Format>{{QStringLiteral("mp3"), true}}));
}

TEST(SettingsCodec, RecordsPastTheEndOfAShortFileReadAsEmpty) {
    const QByteArray full = encodeSettings(twoFormats(), {});
    const SettingsRecord firstFour = decodeSettings(full.left(4 * 128));
    EXPECT_EQ(firstFour.currentListFile, QStringLiteral("/home/anna/Rock.zbl"));
    EXPECT_TRUE(firstFour.continuo);
    EXPECT_EQ(firstFour.clicco, 1);
    EXPECT_EQ(firstFour.viewer, TwipsPosition{});
    EXPECT_EQ(firstFour.main, TwipsPosition{});
    EXPECT_FALSE(firstFour.scala);
    EXPECT_TRUE(firstFour.formats.empty());

    EXPECT_EQ(decodeSettings({}), SettingsRecord{});
    EXPECT_EQ(decodeSettings(QByteArray(1, '\x02')), SettingsRecord{});
    // A record cut inside its value reads as empty, never as the bytes that happen to be there.
    EXPECT_FALSE(decodeSettings(full.left(128 + 3)).continuo);
    EXPECT_EQ(decodeSettings(full.left(10)).currentListFile, QString());
}

TEST(SettingsCodec, BadInputReadsAsEmpty) {
    // An unknown tag, and text where a number belongs.
    SettingsRecord read = decodeSettings(
        file({tag(3) + QByteArray("junk"), text("1"), tag(11), text("1"), tag(7), real(10), text("15"),
              real(20), text("1"), text("2"), text("mp3"), text("avi"), text("si"), text("si")}));
    EXPECT_EQ(read.currentListFile, QString());
    EXPECT_FALSE(read.continuo);
    EXPECT_FALSE(read.random);
    EXPECT_EQ(read.clicco, 0);
    EXPECT_EQ(read.viewer, (TwipsPosition{0, 10}));
    EXPECT_EQ(read.main, (TwipsPosition{0, 20}));
    EXPECT_FALSE(read.scala);
    EXPECT_TRUE(read.formats.empty());

    // Numbers where texts belong.
    read = decodeSettings(QByteArray(headerWithCount(integer(1)) + file({integer(5), integer(1)})));
    EXPECT_EQ(read.formats, (std::vector<Format>{{QString(), false}}));
}

TEST(SettingsCodec, CliccoIndexOtherThanZeroOrOneTurnsTheFirstButtonOn) {
    for (const qint16 index : {-1, 0, 2, 300}) {
        EXPECT_EQ(decodeSettings(file({text(""), integer(0), integer(0), integer(index)})).clicco, 0)
            << index;
    }
    EXPECT_EQ(decodeSettings(file({text(""), integer(0), integer(0), integer(1)})).clicco, 1);
}

TEST(SettingsCodec, FormatCountOutOfRange) {
    EXPECT_TRUE(decodeSettings(QByteArray(headerWithCount(integer(-3)) + file({text("mp3"), text("si")})))
                    .formats.empty());

    // More formats than the file holds: the records that exist, then empty ones.
    const SettingsRecord three =
        decodeSettings(QByteArray(headerWithCount(integer(3)) + file({text("mp3"), text("avi")})));
    EXPECT_EQ(three.formats,
              (std::vector<Format>{
                  {QStringLiteral("mp3"), false}, {QStringLiteral("avi"), false}, {QString(), false}}));

    // A count no integer record can hold is capped at the largest one.
    EXPECT_EQ(decodeSettings(headerWithCount(real(1e9f))).formats.size(), size_t(kMaxEntries));
    EXPECT_TRUE(decodeSettings(headerWithCount(real(NAN))).formats.empty());
}

TEST(SettingsCodec, TextRunningPastItsRecordOrTheFileReadsAsEmpty) {
    const QByteArray longest(124, 'a');
    EXPECT_EQ(decodeSettings(record(text(longest))).currentListFile, QString::fromLatin1(longest));
    // A count of 125 runs one byte into the next record.
    EXPECT_EQ(
        decodeSettings(QByteArray(record(tag(8) + tag(125) + longest) + record(integer(1)))).currentListFile,
        QString());
    EXPECT_EQ(decodeSettings(QByteArray(tag(8) + tag(10) + QByteArray("short"))).currentListFile, QString());
}

TEST(SettingsCodec, TextsNeedingMoreThan124BytesAreWrittenEmptyAndTheRestStillWritten) {
    SettingsRecord record = twoFormats();
    record.currentListFile = QString(62, QChar(0xE8));  // 124 bytes in UTF-8
    EXPECT_EQ(decodeSettings(encodeSettings(record, {})), record);

    record.currentListFile += QLatin1Char('x');
    const QByteArray written = encodeSettings(record, {});
    EXPECT_EQ(written.left(128), settingsbytes::record(text("")));
    SettingsRecord expected = record;
    expected.currentListFile.clear();
    EXPECT_EQ(decodeSettings(written), expected);
}

TEST(SettingsCodec, TextsReadAsUtf8OrElseWindows1252) {
    EXPECT_EQ(decodeSettings(record(text("C:\\Musica\\Caff\xe8 \x80.zbl"))).currentListFile,
              QStringLiteral("C:\\Musica\\Caffè €.zbl"));
    SettingsRecord accented;
    accented.currentListFile = QStringLiteral("/home/anna/Caffè.zbl");
    const QByteArray written = encodeSettings(accented, {});
    EXPECT_EQ(written.left(128), record(text("/home/anna/Caff\xc3\xa8.zbl")));
    EXPECT_EQ(decodeSettings(written), accented);
}
