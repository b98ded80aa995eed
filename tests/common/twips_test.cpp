#include "twips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(Twips, LayoutRoundsToTheNearestPixel) {
    EXPECT_EQ(twipsRect(120, 130, 2895, 315), QRect(8, 9, 193, 21));
    EXPECT_EQ(twipsRect(0, -90, 7575, 6220), QRect(0, -6, 505, 415));
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(twipsToPixels(-8), -1);
}

TEST(Twips, StoredWindowPositionsAreAppliedUnchangedWithinWhatTheScreenCanAddress) {
    EXPECT_EQ(windowPositionFromTwips(1500, 750), QPoint(100, 50));
    EXPECT_EQ(windowPositionFromTwips(-45000, 600000), QPoint(-3000, 32767));
    EXPECT_EQ(windowPositionFromTwips(std::nanf(""), std::numeric_limits<float>::infinity()), QPoint(0, 0));
    EXPECT_EQ(windowPositionFromTwips(-1e30f, 7.4f), QPoint(-32768, 0));
    EXPECT_EQ(pixelsToTwips(100), 1500.0f);
}
