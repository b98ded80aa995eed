// The viewer's layout for each size of its window: as viewerLayout() computes it, and as a real viewer
// lays itself out on every change of size. The rows run in order, each from the player's size the row
// before left.
#include "viewerlayout.h"
#include "fakeplayermodule.h"
#include "mediaplayer.h"
#include "visore.h"

#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

struct Row {
    const char* what;
    QSize client;
    QRect player, outline, scala, esci;
};

const Row kRows[] = {
    {"the design size gives the design layout",
     {369, 481},
     {9, 9, 352, 435},
     {8, 8, 354, 465},
     {16, 449, 81, 17},
     {305, 443, 57, 30}},
    {"the player grows with the window and the controls follow it",
     {469, 531},
     {9, 9, 452, 485},
     {8, 8, 454, 515},
     {16, 499, 81, 17},
     {405, 493, 57, 30}},
    {"below the design size the player keeps its size",
     {300, 300},
     {9, 9, 452, 485},
     {8, 8, 454, 515},
     {16, 499, 81, 17},
     {405, 493, 57, 30}},
    {"narrower only: the player keeps its width and takes the height",
     {300, 600},
     {9, 9, 452, 554},
     {8, 8, 454, 584},
     {16, 568, 81, 17},
     {405, 562, 57, 30}},
    {"the design size itself is not below it: the player takes the design size back",
     {369, 481},
     {9, 9, 352, 435},
     {8, 8, 354, 465},
     {16, 449, 81, 17},
     {305, 443, 57, 30}},
    {"far below: the player and the outline keep the design size",
     {200, 200},
     {9, 9, 352, 435},
     {8, 8, 354, 465},
     {16, 449, 81, 17},
     {305, 443, 57, 30}},
};

}  // namespace

TEST(ViewerLayout, EachSizeOfTheWindowGivesItsLayout) {
    FakePlayerFactory factory;
    PlayerModule module(factory);
    Visore viewer(module, {});
    viewer.show();
    QSize player = kViewerDesignSize - kViewerMargin;
    for (const Row& row : kRows) {
        const ViewerLayout layout = viewerLayout(row.client, player);
        EXPECT_EQ(layout.player, row.player) << row.what;
        EXPECT_EQ(layout.outline, row.outline) << row.what;
        EXPECT_EQ(layout.scala, row.scala) << row.what;
        EXPECT_EQ(layout.esci, row.esci) << row.what;
        player = layout.player.size();

        viewer.resize(row.client);
        EXPECT_EQ(viewer.player().geometry(), row.player) << row.what;
        EXPECT_EQ(viewer.findChild<QWidget*>(QStringLiteral("Shape1"))->geometry(), row.outline) << row.what;
        EXPECT_EQ(viewer.findChild<QCheckBox*>(QStringLiteral("Check3"))->geometry(), row.scala) << row.what;
        EXPECT_EQ(viewer.findChild<QPushButton*>(QStringLiteral("Command2"))->geometry(), row.esci)
            << row.what;
    }
}
