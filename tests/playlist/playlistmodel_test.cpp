#include "playlistmodel.h"
#include "entrylimit.h"
#include "qtprinting.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace {

class PlaylistModelTest : public testing::Test {
protected:
    void fill(std::initializer_list<const char*> names) {
        std::vector<Track> tracks;
        for (const char* name : names) tracks.push_back(track(name));
        model.add(tracks);
    }

    static Track track(const char* name) {
        return {QString::fromUtf8(name), QStringLiteral("/musica/%1.mp3").arg(QString::fromUtf8(name))};
    }

    QStringList names() const {
        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row) shown.append(model.index(row).data().toString());
        return shown;
    }

    PlaylistModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

}  // namespace

TEST_F(PlaylistModelTest, AddingAFileAgainMovesItToTheEnd) {
    fill({"A", "B", "C"});
    EXPECT_EQ(model.add({track("B"), track("D")}), 2);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("B"),
                                    QStringLiteral("D")}));
    EXPECT_EQ(model.pathAt(2), QStringLiteral("/musica/B.mp3"));
    EXPECT_EQ(model.index(2).data(PlaylistModel::PathRole).toString(), QStringLiteral("/musica/B.mp3"));

    EXPECT_EQ(model.add({{QStringLiteral("a"), QStringLiteral("/MUSICA/a.MP3")}}), 1);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("D"),
                                    QStringLiteral("a")}));
    EXPECT_EQ(model.add({}), 0);
    EXPECT_EQ(model.rowCount(), 4);
}

TEST_F(PlaylistModelTest, RemovingSelectsTheEntryAboveOrTheOneThatMovedUp) {
    fill({"A", "B", "C"});
    EXPECT_EQ(model.remove(-1), -1);
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.remove(1), 0);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(model.remove(0), 0);
    EXPECT_EQ(names(), QStringList{QStringLiteral("C")});
    EXPECT_EQ(model.remove(0), -1);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(PlaylistModelTest, MovingStopsAtTheEndsAndTheSelectionFollows) {
    fill({"A", "B", "C"});
    EXPECT_EQ(model.moveUp(0), 0);
    EXPECT_EQ(model.moveDown(2), 2);
    EXPECT_EQ(model.moveUp(-1), -1);
    EXPECT_EQ(model.moveDown(-1), -1);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));

    EXPECT_EQ(model.moveDown(0), 1);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("B"), QStringLiteral("A"), QStringLiteral("C")}));
    EXPECT_EQ(model.moveUp(2), 1);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A")}));
    EXPECT_EQ(model.pathAt(2), QStringLiteral("/musica/A.mp3"));
}

TEST_F(PlaylistModelTest, AnAddThatWouldPassTheLimitAddsWhatFits) {
    std::vector<Track> many;
    for (int i = 0; i < kMaxEntries - 2; ++i) {
        many.push_back({QString::number(i), QStringLiteral("/m/%1.mp3").arg(i)});
    }
    ASSERT_EQ(model.add(many), qsizetype(many.size()));
    // A repeat takes no room: the file only moves to the end.
    const std::vector<Track> more = {many[0], track("X"), track("Y"), track("Z")};
    EXPECT_EQ(model.add(more), 3);
    EXPECT_EQ(model.rowCount(), kMaxEntries);
    EXPECT_EQ(model.pathAt(model.rowCount() - 1), track("Y").path);
    EXPECT_EQ(model.pathAt(model.rowCount() - 3), many[0].path);
    EXPECT_EQ(model.add({track("Z")}), 0);
}

TEST_F(PlaylistModelTest, AnEntryDraggedStandsBeforeTheEntryItWasDroppedOn) {
    struct Case {
        int row;
        int before;
        const char* order;
        int newRow;
    };
    const Case cases[] = {
        {0, 2, "BACD", 1},
        {0, 4, "BCDA", 3},
        {3, 0, "DABC", 0},
        {2, 1, "ACBD", 1},
        // Onto itself, or beside itself: nothing moves.
        {1, 1, "ABCD", 1},
        {1, 2, "ABCD", 1},
        // Out of range: nothing moves.
        {4, 0, "ABCD", 4},
        {-1, 0, "ABCD", -1},
        {0, 5, "ABCD", 0},
    };
    for (const Case& c : cases) {
        model.clear();
        fill({"A", "B", "C", "D"});
        SCOPED_TRACE(testing::Message() << c.row << " before " << c.before);
        EXPECT_EQ(model.move(c.row, c.before), c.newRow);
        EXPECT_EQ(names().join(QString()), QString::fromUtf8(c.order));
        EXPECT_EQ(model.pathAt(0), QStringLiteral("/musica/%1.mp3").arg(QChar::fromLatin1(c.order[0])));
    }
}

TEST_F(PlaylistModelTest, EntriesAreDraggedButNothingIsDroppedOntoOne) {
    fill({"A"});
    EXPECT_TRUE(model.flags(model.index(0)) & Qt::ItemIsDragEnabled);
    EXPECT_FALSE(model.flags(model.index(0)) & Qt::ItemIsDropEnabled);
    EXPECT_TRUE(model.flags({}) & Qt::ItemIsDropEnabled);
    EXPECT_EQ(model.supportedDropActions(), Qt::MoveAction);
}
