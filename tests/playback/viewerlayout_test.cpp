#include "viewerlayout.h"

#include <gtest/gtest.h>

TEST(ViewerLayout, TheDesignSizeGivesTheDesignLayout) {
    const ViewerLayout layout = viewerLayout(QSize(369, 481), QSize(352, 435));
    EXPECT_EQ(layout.player, QRect(9, 9, 352, 435));
    EXPECT_EQ(layout.outline, QRect(8, 8, 354, 465));
    EXPECT_EQ(layout.scala, QRect(16, 449, 81, 17));
    EXPECT_EQ(layout.esci, QRect(305, 443, 57, 30));
}

TEST(ViewerLayout, ThePlayerGrowsWithTheWindowAndTheControlsFollowIt) {
    const ViewerLayout layout = viewerLayout(QSize(469, 531), QSize(352, 435));
    EXPECT_EQ(layout.player, QRect(9, 9, 452, 485));
    EXPECT_EQ(layout.esci.topLeft(), QPoint(405, 493));
    EXPECT_EQ(layout.scala.top(), 499);
    EXPECT_EQ(layout.outline.size(), QSize(454, 515));
}

TEST(ViewerLayout, BelowTheDesignSizeThePlayerKeepsItsSize) {
    const ViewerLayout narrow = viewerLayout(QSize(300, 600), QSize(452, 485));
    EXPECT_EQ(narrow.player, QRect(9, 9, 452, 554));
    EXPECT_EQ(narrow.esci.topLeft(), QPoint(405, 562));
    // The design size itself is not below it: the player takes the design size back.
    EXPECT_EQ(viewerLayout(QSize(369, 481), QSize(452, 485)).player, QRect(9, 9, 352, 435));
    const ViewerLayout small = viewerLayout(QSize(200, 200), QSize(352, 435));
    EXPECT_EQ(small.player.size(), QSize(352, 435));
    EXPECT_EQ(small.outline.size(), QSize(354, 465));
}
