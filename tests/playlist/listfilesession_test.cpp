// The list-file session over real files, and over a file system that answers slowly.
#include "listfilesession.h"
#include "backgroundwork.h"
#include "listfile.h"
#include "playlistmodel.h"
#include "qtprinting.h"
#include "testmount.h"
#include "waituntil.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const std::vector<Track> kTwo = {{QStringLiteral("Alba"), QStringLiteral("/m/Alba.mp3")},
                                 {QStringLiteral("Tramonto"), QStringLiteral("/m/Tramonto.mp3")}};
const Track kAdded = {QStringLiteral("Nuovo"), QStringLiteral("/m/Nuovo.mp3")};

class ListFileSessionTest : public testing::Test {
protected:
    ListFileSessionTest() {
        QObject::connect(&session, &ListFileSession::captionChanged,
                         [this](const QString& text) { caption = text; });
        QObject::connect(&session, &ListFileSession::finished, [this] { ++finishes; });
        for (const auto failure :
             {&ListFileSession::notAListFile, &ListFileSession::saveFailed, &ListFileSession::removeFailed}) {
            QObject::connect(&session, failure, [this](const QString& path) { failures.append(path); });
        }
    }

    void settle() {
        ASSERT_TRUE(waitUntil([this] { return !session.isBusy(); }));
    }

    PlaylistModel playlist;
    ListFileSession& session = *new ListFileSession(playlist);
    QString caption;
    int finishes = 0;
    QStringList failures;
};

}  // namespace

TEST_F(ListFileSessionTest, EachOperationChangesWhatItShouldOnlyWhenItSucceeds) {
    QTemporaryDir folder;
    const QString rock = folder.filePath(QStringLiteral("Rock.zbl"));
    const QString notAList = folder.filePath(QStringLiteral("Film.zbl"));
    QFile film(notAList);
    ASSERT_TRUE(film.open(QIODevice::WriteOnly) && film.write("RIFF") == 4);
    film.close();
    playlist.replace(kTwo);

    session.save(rock);
    settle();
    EXPECT_EQ(readListFile(rock), kTwo);
    EXPECT_EQ(session.current(), rock);
    EXPECT_EQ(caption, QStringLiteral("ZEB - ") + rock);

    // Failures change nothing: the playlist, the current list file and the caption stay.
    playlist.add({kAdded});
    session.load(notAList);
    settle();
    session.save(folder.filePath(QStringLiteral("manca/Jazz.zbl")));
    settle();
    session.remove(folder.filePath(QStringLiteral("manca.zbl")));
    settle();
    EXPECT_EQ(failures, (QStringList{notAList, folder.filePath(QStringLiteral("manca/Jazz.zbl")),
                                     folder.filePath(QStringLiteral("manca.zbl"))}));
    EXPECT_EQ(playlist.rowCount(), 3);
    EXPECT_EQ(session.current(), rock);
    EXPECT_EQ(caption, QStringLiteral("ZEB - ") + rock);

    session.load(rock);
    settle();
    EXPECT_EQ(playlist.tracks(), kTwo);

    // Deleting the current list file forgets it, and nothing else.
    session.remove(rock);
    settle();
    EXPECT_FALSE(QFile::exists(rock));
    EXPECT_TRUE(session.current().isEmpty());
    EXPECT_EQ(caption, QStringLiteral("ZEB - ") + rock);
    EXPECT_EQ(playlist.tracks(), kTwo);
    EXPECT_EQ(finishes, 6);

    session.beginNewList();
    EXPECT_EQ(playlist.rowCount(), 0);
    EXPECT_EQ(caption, QStringLiteral("ZEB"));
}

// A list file on a share that answers slowly: what the user does meanwhile is not thrown away.
TEST_F(ListFileSessionTest, AnEditOrANewerOperationOvertakesASlowLoad) {
    SKIP_UNLESS_TEST_MOUNTS();
    TestMount share;
    ASSERT_TRUE(writeListFile(share.backing(QStringLiteral("Lenta.zbl")), kTwo));
    ASSERT_TRUE(writeListFile(share.backing(QStringLiteral("Svelta.zbl")), {kAdded}));
    share.setRules(R"([{"path": "/Lenta.zbl", "op": "open", "delay": 1}])");
    const QString slow = share.path(QStringLiteral("Lenta.zbl"));

    session.load(slow);
    EXPECT_TRUE(session.isBusy());
    playlist.add({kAdded});
    EXPECT_FALSE(session.isBusy());

    session.load(slow);
    session.load(share.path(QStringLiteral("Svelta.zbl")));
    settle();
    // The overtaken loads end too: had they not been dropped, they would have changed the playlist.
    ASSERT_TRUE(letBackgroundWorkEnd());
    EXPECT_EQ(playlist.tracks(), std::vector<Track>{kAdded});
    EXPECT_EQ(session.current(), share.path(QStringLiteral("Svelta.zbl")));
    EXPECT_EQ(finishes, 1);
    EXPECT_TRUE(failures.isEmpty());

    // Given up waiting for, a load changes nothing when it ends.
    session.load(slow);
    session.abandon();
    ASSERT_TRUE(letBackgroundWorkEnd());
    EXPECT_EQ(playlist.tracks(), std::vector<Track>{kAdded});
    EXPECT_EQ(finishes, 1);
}

// What waits for a load runs, in the order it came, once the load has ended, whatever ended it, and never
// on a list file loaded after it.
TEST_F(ListFileSessionTest, WhatWaitsForALoadRunsOnceNoLoadIsUnderWay) {
    SKIP_UNLESS_TEST_MOUNTS();
    TestMount share;
    ASSERT_TRUE(writeListFile(share.backing(QStringLiteral("Lenta.zbl")), kTwo));
    share.setRules(R"([{"path": "/Lenta.zbl", "op": "open", "delay": 1}])");
    const QString slow = share.path(QStringLiteral("Lenta.zbl"));
    QStringList ran;
    const auto waiting = [&ran](const char* what) {
        return [&ran, what] { ran.append(QLatin1String(what)); };
    };

    session.whenLoaded(waiting("at once"));
    EXPECT_EQ(ran, QStringList{QStringLiteral("at once")});

    // A load that another takes the place of, then runs its course: what waited for the first runs
    // before the second begins.
    session.load(slow);
    session.whenLoaded(waiting("first"));
    session.load(slow);
    EXPECT_EQ(ran, (QStringList{QStringLiteral("at once"), QStringLiteral("first")}));
    session.whenLoaded(waiting("second"));
    settle();
    EXPECT_EQ(ran,
              (QStringList{QStringLiteral("at once"), QStringLiteral("first"), QStringLiteral("second")}));
    EXPECT_EQ(playlist.tracks(), kTwo);

    // A load that an edit abandons: what waited runs after the edit.
    session.load(slow);
    session.whenLoaded([this] { playlist.add({kTwo[0]}); });
    playlist.add({kAdded});
    EXPECT_EQ(playlist.tracks().back(), kAdded);
    ASSERT_TRUE(waitUntil([this] { return playlist.tracks().back() == kTwo[0]; }));
    EXPECT_EQ(playlist.tracks(), (std::vector<Track>{kTwo[1], kAdded, kTwo[0]}));
}
