// Paths handed to the main window, on the command line or by another ZEB, and files dropped on the playlist.
#include "listfile.h"
#include "playbacksession.h"
#include "selezionatest.h"
#include "testmount.h"
#include "visore.h"
#include "wavfile.h"

#include <QDir>
#include <QDropEvent>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

namespace {

class OpenPathsTest : public SelezionaTest {
protected:
    OpenPathsTest() {
        QDir(programFolder()).mkdir(QStringLiteral("Album"));
        for (const char* name : {"Album/b.wav", "Album/A.wav", "Album/c.mp3", "Album/note.txt", "solo.wav"})
            EXPECT_TRUE(writeWav(path(name), 200));
        EXPECT_TRUE(writeListFile(path("Rock.zbl"), {{QStringLiteral("x"), path("x.wav")}}));
        SettingsRecord record;
        record.formats = {{QStringLiteral("wav"), true}, {QStringLiteral("mp3"), false}};
        EXPECT_TRUE(SalvaConfig(settingsPath(), record));
    }

    QString path(const char* name) const { return QDir(programFolder()).filePath(QString::fromUtf8(name)); }

    QListView* playlist() { return control<QListView>(QStringLiteral("List2")); }

    QStringList entries() {
        QStringList paths;
        for (int row = 0; row < playlist()->model()->rowCount(); ++row)
            paths.append(playlist()->model()->index(row, 0).data(Qt::UserRole + 1).toString());
        return paths;
    }

    // Files dragged from a file manager over the main window and let go at the point, the events sent as
    // the window sends them to the widget under the pointer.
    void drop(Seleziona& window, const QList<QUrl>& urls, QPoint at) {
        QWidget* target = window.childAt(at);
        ASSERT_NE(target, nullptr);
        QMimeData data;
        data.setUrls(urls);
        const QPoint point = target->mapFrom(&window, at);
        QDragEnterEvent enter(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(point, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        settle();
    }

    QPoint playlistCentre(Seleziona& window) {
        return playlist()->mapTo(&window, playlist()->rect().center());
    }
};

}  // namespace

TEST_F(OpenPathsTest, MediaFilesPlayAtOnceInTheirOrderWithoutTouchingThePlaylist) {
    Seleziona& window = start();
    // Named files play whatever their format; a folder gives its files of ticked formats in the browser's
    // order.
    zeb().openPaths({path("solo.wav"), path("Album/c.mp3"), path("Album")}, false);
    settle();
    ASSERT_TRUE(zeb().visore().isVisible());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(zeb().visore().windowTitle(), QStringLiteral("[ZEB] solo"));
    std::vector<QString> queue;
    for (const Track& track : zeb().playback().sequencer().queue()) queue.push_back(track.path);
    EXPECT_EQ(queue, (std::vector<QString>{path("solo.wav"), path("Album/c.mp3"), path("Album/A.wav"),
                                           path("Album/b.wav")}));
    EXPECT_TRUE(entries().isEmpty());
    ASSERT_TRUE(waitUntil([&] { return window.isVisible(); }));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OpenPathsTest, EnqueuedPathsAreAddedAfterTheListFileGivenWithThemHasLoaded) {
    Seleziona& window = start();
    zeb().openPaths({path("Album/b.wav"), path("Rock.zbl")}, true);
    settle();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB - ") + path("Rock.zbl"));
    EXPECT_EQ(entries(), (QStringList{path("x.wav"), path("Album/b.wav")}));

    // A folder stands for every file the browser lists in it, ticked or not; repeats go.
    zeb().openPaths({path("Album"), path("missing.wav")}, true);
    settle();
    EXPECT_EQ(entries(),
              (QStringList{path("x.wav"), path("Album/A.wav"), path("Album/b.wav"), path("Album/c.mp3")}));
    EXPECT_FALSE(zeb().visore().isVisible());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Il file o la cartella non esiste:\n") + path("missing.wav"));
}

// A list file on a share that is slow to open: files enqueued meanwhile join it once it has loaded, and
// sets of paths handed over one after the other are dealt with in that order.
TEST_F(OpenPathsTest, FilesEnqueuedWhileAListFileLoadsJoinItInTheOrderHandedOver) {
    SKIP_UNLESS_TEST_MOUNTS();
    TestMount share;
    ASSERT_TRUE(
        writeListFile(share.backing(QStringLiteral("Lenta.zbl")), {{QStringLiteral("x"), path("x.wav")}}));
    share.setRules(R"([{"path": "/Lenta.zbl", "op": "open", "delay": 1}])");
    Seleziona& window = start();
    zeb().openPaths({share.path(QStringLiteral("Lenta.zbl"))}, false);
    zeb().openPaths({path("solo.wav")}, true);
    zeb().openPaths({path("Album/b.wav")}, true);
    settle();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB - ") + share.path(QStringLiteral("Lenta.zbl")));
    EXPECT_EQ(entries(), (QStringList{path("x.wav"), path("solo.wav"), path("Album/b.wav")}));
}

TEST_F(OpenPathsTest, ANotValidListFileIsToldAsTheChooserTellsIt) {
    Seleziona& window = start();
    zeb().openPaths({path("solo.wav"), path("Album/note.txt"), path("FALSA.ZBL")}, true);
    QFile notAList(path("FALSA.ZBL"));
    settle();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Il file o la cartella non esiste:\n") + path("FALSA.ZBL"));

    ASSERT_TRUE(notAList.open(QIODevice::WriteOnly));
    notAList.write("not a list\r\n");
    notAList.close();
    zeb().openPaths({path("FALSA.ZBL"), path("solo.wav")}, true);
    settle();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Il file selezionato non è valido."));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB"));
    EXPECT_EQ(entries(), (QStringList{path("Album/note.txt"), path("solo.wav")}));
}

TEST_F(OpenPathsTest, LocalFilesDroppedOnThePlaylistAreAddedNotWhileTheChooserCoversIt) {
    Seleziona& window = start();
    window.show();
    const QPoint centre = playlistCentre(window);
    drop(window,
         {QUrl::fromLocalFile(path("solo.wav")), QUrl(QStringLiteral("https://example.org/a.wav")),
          QUrl::fromLocalFile(path("Album"))},
         centre);
    EXPECT_EQ(entries(),
              (QStringList{path("solo.wav"), path("Album/A.wav"), path("Album/b.wav"), path("Album/c.mp3")}));
    EXPECT_FALSE(zeb().visore().isVisible());

    drop(window, {QUrl::fromLocalFile(path("Rock.zbl"))}, centre);
    EXPECT_EQ(entries(), QStringList{path("x.wav")});

    control<QPushButton>(QStringLiteral("Command7"))->click();
    drop(window, {QUrl::fromLocalFile(path("solo.wav"))}, centre);
    EXPECT_EQ(entries(), QStringList{path("x.wav")});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OpenPathsTest, RaisingBringsBackTheViewerWhilePlayingElseTheMainWindow) {
    Seleziona& window = start();
    ASSERT_TRUE(writeWav(path("lungo.wav"), 5000));
    zeb().openPaths({path("lungo.wav")}, false);
    settle();
    ASSERT_TRUE(zeb().visore().isVisible());
    zeb().raiseWindow();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &zeb().visore(); }, 2000));

    zeb().visore().close();
    window.showMinimized();
    zeb().raiseWindow();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &window; }, 2000));
}
