#include "fileend.h"

#include <gtest/gtest.h>

TEST(FileEnd, OnlyTheCurrentFilesOwnEndCounts) {
    constexpr int kEof = 0, kStop = 2, kQuit = 3, kError = 4, kRedirect = 5;
    EXPECT_EQ(classifyFileEnd(kEof, 7, 7), FileEnd::EndOfStream);
    EXPECT_EQ(classifyFileEnd(kError, 7, 7), FileEnd::CouldNotPlay);
    for (const int reason : {kStop, kQuit, kRedirect})
        EXPECT_EQ(classifyFileEnd(reason, 7, 7), FileEnd::Ignore);
    // The stop of a replaced file, or the end of one that ended just before it was replaced, is stale.
    EXPECT_EQ(classifyFileEnd(kStop, 6, 7), FileEnd::Ignore);
    EXPECT_EQ(classifyFileEnd(kEof, 6, 7), FileEnd::Ignore);
    EXPECT_EQ(classifyFileEnd(kError, 6, 7), FileEnd::Ignore);
    // After a stop nothing is current.
    EXPECT_EQ(classifyFileEnd(kEof, 7, -1), FileEnd::Ignore);
}
