#include "mediabrowser.h"
#include "backgroundwork.h"
#include "browserfolders.h"
#include "folderlist.h"
#include "qtprinting.h"
#include "testmount.h"
#include "waituntil.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class MediaBrowserTest : public testing::Test {
protected:
    MediaBrowserTest() {
        folders.makeFiles({"Musica/b.mp3", "Musica/A.MP3", "Musica/nota.txt", "Musica/.nascosto.mp3",
                           "Musica/Jazz/swing.wav", "Secondo/uno.mp3", "radice.mp3"});
        folders.makeFolders({"Musica/Vuota", "Musica/.nascosta"});
    }

    Drives drives() const {
        return Drives({{folders.path(), QStringLiteral("principale")},
                       {folders.path(QStringLiteral("Secondo")), QStringLiteral("secondo")},
                       {folders.path(QStringLiteral("assente")), QStringLiteral("non pronto")}},
                      folders.path());
    }

    QStringList folderTexts() const {
        QStringList texts;
        for (int row = 0; row < folderList->count(); ++row) texts.append(folderList->item(row)->text());
        return texts;
    }

    QStringList driveTexts() const {
        QStringList texts;
        for (int row = 0; row < driveList->count(); ++row) texts.append(driveList->itemText(row));
        return texts;
    }

    // The drives of the fixture that are named, in this order, as a new look at the mount table gives them.
    std::vector<Drives::Drive> drivesNow(std::initializer_list<int> which) const {
        const std::vector<Drives::Drive> all = drives().list();
        std::vector<Drives::Drive> now;
        for (const int drive : which) now.push_back(all[size_t(drive)]);
        return now;
    }

    QStringList fileNames() const {
        QStringList names;
        for (int row = 0; row < fileList->model()->rowCount(); ++row) {
            names.append(fileList->model()->index(row, 0).data().toString());
        }
        return names;
    }

    // The lists change once the folder has been read, off this thread.
    void settle() {
        ASSERT_TRUE(waitUntil([this] { return !browser.isReading(); }));
    }

    void pointAt(const QString& folder) {
        browser.pointAt(folder);
        settle();
    }

    void setPattern(const char* pattern) {
        browser.setPattern(QString::fromLatin1(pattern));
        settle();
    }

    void pickDrive(int drive) {
        driveList->setCurrentIndex(drive);
        Q_EMIT driveList->activated(drive);
        settle();
    }

    void openFolderAt(int row) {
        folderList->setCurrentRow(row);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(folderList, &enter);
        settle();
    }

    BrowserFolders folders;
    QWidget window;
    QComboBox* driveList = new QComboBox(&window);
    FolderList* folderList = new FolderList(&window);
    QListView* fileList = new QListView(&window);
    MediaBrowser browser{drives(), driveList, folderList, fileList};
};

}  // namespace

TEST_F(MediaBrowserTest, ShowsTheChainOfFoldersThenTheSubfoldersAndTheMatchingFiles) {
    setPattern("*.mp3");
    pointAt(folders.path(QStringLiteral("Musica")));
    EXPECT_EQ(driveList->currentIndex(), 0);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Musica")));
    EXPECT_EQ(folderTexts(), (QStringList{folders.path(), QStringLiteral("Musica"), QStringLiteral("Jazz"),
                                          QStringLiteral("Vuota")}));
    EXPECT_EQ(folderList->currentRow(), 1);
    EXPECT_EQ(fileNames(), (QStringList{QStringLiteral("A.MP3"), QStringLiteral("b.mp3")}));
}

TEST_F(MediaBrowserTest, AClickHighlightsAFolderAndEnterOpensIt) {
    setPattern("*.wav");
    pointAt(folders.path(QStringLiteral("Musica")));
    folderList->setCurrentRow(2);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Musica")));

    openFolderAt(2);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Musica/Jazz")));

    openFolderAt(0);  // up to the drive's root
    EXPECT_EQ(browser.folder(), folders.path());
    EXPECT_EQ(folderTexts(),
              (QStringList{folders.path(), QStringLiteral("Musica"), QStringLiteral("Secondo")}));
    EXPECT_TRUE(fileNames().isEmpty());
}

TEST_F(MediaBrowserTest, EachDriveKeepsItsFolderAndADriveThatIsNotReadyChangesNothingElse) {
    setPattern("*.mp3");
    pointAt(folders.path(QStringLiteral("Musica")));
    pickDrive(1);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Secondo")));
    EXPECT_EQ(folderTexts(), QStringList{folders.path(QStringLiteral("Secondo"))});
    EXPECT_EQ(fileNames(), QStringList{QStringLiteral("uno.mp3")});

    pickDrive(2);
    EXPECT_EQ(driveList->currentIndex(), 2);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Secondo")));
    EXPECT_EQ(fileNames(), QStringList{QStringLiteral("uno.mp3")});

    pickDrive(0);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Musica")));
}

// The folder a drive remembers may go while ZEB runs: the drive then shows the nearest folder left.
TEST_F(MediaBrowserTest, ADriveWhoseFolderHasGoneShowsItsNearestParent) {
    setPattern("*.mp3");
    pointAt(folders.path(QStringLiteral("Musica/Jazz")));
    pickDrive(1);
    ASSERT_TRUE(QDir(folders.path(QStringLiteral("Musica/Jazz"))).removeRecursively());
    pickDrive(0);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Musica")));
    EXPECT_EQ(fileNames(), (QStringList{QStringLiteral("A.MP3"), QStringLiteral("b.mp3")}));

    pickDrive(1);
    ASSERT_TRUE(QDir(folders.path(QStringLiteral("Musica"))).removeRecursively());
    pickDrive(0);
    EXPECT_EQ(browser.folder(), folders.path());
    EXPECT_EQ(fileNames(), QStringList{QStringLiteral("radice.mp3")});
}

// A folder on a share that answers slowly: the lists stay as they were until it has been read, and a
// folder asked for meanwhile takes its place.
TEST_F(MediaBrowserTest, ASlowFolderShowsOnceReadUnlessANewerOneWasAskedFor) {
    SKIP_UNLESS_TEST_MOUNTS();
    TestMount share;
    ASSERT_TRUE(QDir().mkpath(share.backing(QStringLiteral("Lenta"))));
    ASSERT_TRUE(QFile(share.backing(QStringLiteral("Lenta/lento.mp3"))).open(QIODevice::WriteOnly));
    share.setRules(R"([{"path": "/Lenta", "op": "readdir", "delay": 1}])");
    const QString slow = share.path(QStringLiteral("Lenta"));
    setPattern("*.mp3");
    pointAt(folders.path(QStringLiteral("Musica")));

    browser.pointAt(slow);
    EXPECT_TRUE(browser.isReading());
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Musica")));
    EXPECT_EQ(fileNames(), (QStringList{QStringLiteral("A.MP3"), QStringLiteral("b.mp3")}));
    settle();
    EXPECT_EQ(browser.folder(), slow);
    EXPECT_EQ(fileNames(), QStringList{QStringLiteral("lento.mp3")});

    browser.pointAt(folders.path(QStringLiteral("Musica")));
    browser.pointAt(slow);
    pointAt(folders.path(QStringLiteral("Secondo")));
    // The slow read ends too: had it not been overtaken, it would have changed the lists.
    ASSERT_TRUE(letBackgroundWorkEnd());
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Secondo")));
    EXPECT_EQ(fileNames(), QStringList{QStringLiteral("uno.mp3")});
}

TEST_F(MediaBrowserTest, AFolderThatCannotBeReadLeavesBothListsAsTheyWere) {
    setPattern("*.mp3");
    pointAt(folders.path(QStringLiteral("Musica")));
    ASSERT_TRUE(QDir(folders.path(QStringLiteral("Musica/Vuota"))).removeRecursively());
    openFolderAt(3);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Musica")));
    EXPECT_EQ(folderTexts().size(), 4);
    EXPECT_EQ(fileNames().size(), 2);
}

TEST_F(MediaBrowserTest, ANewPatternListsTheFolderAnew) {
    pointAt(folders.path(QStringLiteral("Musica")));
    EXPECT_TRUE(fileNames().isEmpty());
    setPattern("*.txt;*.mp3");
    EXPECT_EQ(fileNames(),
              (QStringList{QStringLiteral("A.MP3"), QStringLiteral("b.mp3"), QStringLiteral("nota.txt")}));
}

TEST_F(MediaBrowserTest, TakingTheSelectedFilesGivesThemInListOrderAndDeselectsAll) {
    setPattern("*.*");
    pointAt(folders.path(QStringLiteral("Musica")));
    ASSERT_EQ(fileNames().size(), 3);
    auto* selection = fileList->selectionModel();
    selection->select(fileList->model()->index(2, 0), QItemSelectionModel::Select);
    selection->select(fileList->model()->index(0, 0), QItemSelectionModel::Select);
    EXPECT_EQ(browser.takeSelectedFiles(),
              (QStringList{QStringLiteral("A.MP3"), QStringLiteral("nota.txt")}));
    EXPECT_FALSE(selection->hasSelection());
    EXPECT_TRUE(browser.takeSelectedFiles().isEmpty());
}

TEST_F(MediaBrowserTest, ADriveMountedJoinsTheDriveListAndOneUnmountedLeavesItWhileTheListsStay) {
    folders.makeFolders({"Secondo/Sotto"});
    setPattern("*.mp3");
    pickDrive(1);
    openFolderAt(1);
    const Drives::Drive jazz = {folders.path(QStringLiteral("Musica/Jazz")), QStringLiteral("jazz")};
    std::vector<Drives::Drive> now = drivesNow({0, 1});
    now.insert(now.begin(), jazz);
    browser.followDrives(now);
    EXPECT_EQ(driveTexts(),
              (QStringList{QStringLiteral("principale"), QStringLiteral("secondo"), QStringLiteral("jazz")}));
    EXPECT_EQ(driveList->currentIndex(), 1);
    EXPECT_FALSE(browser.isReading());
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Secondo/Sotto")));

    pickDrive(2);
    EXPECT_EQ(browser.folder(), jazz.root);
    pickDrive(1);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Secondo/Sotto")));
}

// A click on the dropped-down drive list picks the drive under the pointer, though one above it left
// meanwhile; the list shows the change once it is closed.
TEST_F(MediaBrowserTest, TheDriveListDroppedDownKeepsItsRowsUntilItCloses) {
    setPattern("*.mp3");
    const Drives::Drive jazz = {folders.path(QStringLiteral("Musica/Jazz")), QStringLiteral("jazz")};
    std::vector<Drives::Drive> now = drivesNow({0, 1});
    now.push_back(jazz);
    browser.followDrives(now);
    driveList->showPopup();
    ASSERT_TRUE(driveList->view()->isVisible());
    now.erase(now.begin() + 1);
    browser.followDrives(now);
    EXPECT_EQ(driveTexts(),
              (QStringList{QStringLiteral("principale"), QStringLiteral("secondo"), QStringLiteral("jazz")}));
    driveList->hidePopup();
    pickDrive(2);
    EXPECT_EQ(browser.folder(), jazz.root);
    EXPECT_TRUE(waitUntil([this] { return driveTexts().size() == 2; }));
    EXPECT_EQ(driveTexts(), (QStringList{QStringLiteral("principale"), QStringLiteral("jazz")}));
    EXPECT_EQ(driveList->currentIndex(), 1);
    EXPECT_EQ(browser.folder(), jazz.root);
}

// "/" is the first drive, always there: a list that showed a drive gone shows it, at its own folder.
TEST_F(MediaBrowserTest, WhenThePickedOrTheShownDriveIsUnmountedTheListsFallBackToTheFirstDrive) {
    folders.makeFolders({"Secondo/Sotto"});
    setPattern("*.mp3");
    pointAt(folders.path(QStringLiteral("Musica")));
    pickDrive(1);
    openFolderAt(1);
    browser.followDrives(drivesNow({0, 2}));
    EXPECT_EQ(driveTexts(), (QStringList{QStringLiteral("principale"), QStringLiteral("non pronto")}));
    EXPECT_EQ(driveList->currentIndex(), 0);
    settle();
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Musica")));
    EXPECT_EQ(fileNames(), (QStringList{QStringLiteral("A.MP3"), QStringLiteral("b.mp3")}));

    // Mounted again, it starts at its root.
    browser.followDrives(drivesNow({0, 2, 1}));
    EXPECT_EQ(driveList->currentIndex(), 0);
    pickDrive(2);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Secondo")));

    // "non pronto" picked leaves the lists on the other drive, which then goes.
    pickDrive(1);
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Secondo")));
    browser.followDrives(drivesNow({0, 2}));
    EXPECT_EQ(driveList->currentIndex(), 0);
    settle();
    EXPECT_EQ(browser.folder(), folders.path(QStringLiteral("Musica")));
}
