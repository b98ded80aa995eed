#include "textcodec.h"

#include <gtest/gtest.h>

TEST(TextCodec, ValidUtf8ReadsAsUtf8) {
    EXPECT_EQ(decodeText("Caff\xc3\xa8 \xe2\x82\xac"), QStringLiteral("Caffè €"));
    EXPECT_EQ(decodeText(""), QString());
    EXPECT_EQ(encodeText(QStringLiteral("Caffè")), QByteArray("Caff\xc3\xa8"));
}

TEST(TextCodec, AnythingElseReadsAsWindows1252) {
    EXPECT_EQ(decodeText("Caff\xe8"), QStringLiteral("Caffè"));
    EXPECT_EQ(decodeText("\x80\x8a\x9f\xff"), QStringLiteral("€ŠŸÿ"));
    // Bytes Windows-1252 leaves unassigned map to the control characters of the same number.
    EXPECT_EQ(decodeText("\x81\x9d"), QString(QChar(0x81)) + QChar(0x9D));
    // One bad byte sends the whole text to Windows-1252, so the valid pair reads as two characters.
    EXPECT_EQ(decodeText("\xc3\xa8\xe8"), QStringLiteral("Ã¨è"));
}
