// The main window and the viewer playing through the real player, silent and at full speed.
#include "configura.h"
#include "mediaplayer.h"
#include "selezionatest.h"
#include "visore.h"
#include "waituntil.h"
#include "wavfile.h"

#include <QCheckBox>
#include <QDir>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

namespace {

class PlaybackTest : public SelezionaTest {
protected:
    PlaybackTest() {
        for (const char* name : {"uno", "due", "tre"}) {
            EXPECT_TRUE(writeWav(
                QDir(programFolder()).filePath(QString::fromUtf8(name) + QStringLiteral(".wav")), 200));
        }
        QFile garbage(QDir(programFolder()).filePath(QStringLiteral("rotto.wav")));
        EXPECT_TRUE(garbage.open(QIODevice::WriteOnly));
        garbage.write(QByteArray(4096, '\x5a'));
        SettingsRecord record;
        record.formats = {{QStringLiteral("wav"), true}};
        EXPECT_TRUE(SalvaConfig(settingsPath(), record));
    }

    QListView* list(const char* name) { return control<QListView>(QLatin1String(name)); }

    // Selects the files of the file list at the rows given and adds them to the playlist.
    void addFiles(std::initializer_list<int> rows) {
        for (const int row : rows) {
            list("File1")->selectionModel()->select(list("File1")->model()->index(row, 0),
                                                    QItemSelectionModel::Select);
        }
        control<QPushButton>(QStringLiteral("Command1"))->click();
    }

    void doubleClick(const char* name, int row) {
        QListView* view = list(name);
        view->setCurrentIndex(view->model()->index(row, 0));
        const QPoint at = view->visualRect(view->model()->index(row, 0)).center();
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const bool down = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
            QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton,
                              down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view->viewport(), &event);
        }
    }
};

}  // namespace

TEST_F(PlaybackTest, PlayAllHidesTheMainWindowUntilTheQueueHasPlayed) {
    Seleziona& window = start();
    ASSERT_EQ(list("File1")->model()->rowCount(), 4);  // due, rotto, tre, uno
    addFiles({0, 2, 3});
    control<QPushButton>(QStringLiteral("Command4"))->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(zeb().visore().isVisible());
    EXPECT_EQ(zeb().visore().windowTitle(), QStringLiteral("[ZEB] due"));

    ASSERT_TRUE(waitUntil([&] { return window.isVisible(); }));
    EXPECT_FALSE(zeb().visore().isVisible());
    EXPECT_EQ(zeb().visore().windowTitle(), QStringLiteral("[ZEB] uno"));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PlaybackTest, PlayAllWithoutTracksOfActiveFormatsShowsNothing) {
    Seleziona& window = start();
    addFiles({0});
    zeb().settings().setFormats({});  // no formats at all
    control<QPushButton>(QStringLiteral("Command4"))->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(zeb().visore().isVisible());
}

TEST_F(PlaybackTest, ADoubleClickedPlaylistEntryPlaysWithTheMainWindowShown) {
    Seleziona& window = start();
    addFiles({3});
    doubleClick("List2", 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(zeb().visore().isVisible());
    EXPECT_EQ(zeb().visore().windowTitle(), QStringLiteral("[ZEB] uno"));
    ASSERT_TRUE(waitUntil([&] { return !zeb().visore().isVisible(); }));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PlaybackTest, ADoubleClickedMediaFileIsAddedOrPlayedByTheSetting) {
    Seleziona& window = start();
    doubleClick("File1", 2);
    EXPECT_EQ(list("List2")->model()->rowCount(), 1);
    EXPECT_FALSE(zeb().visore().isVisible());

    zeb().configura().findChild<QRadioButton*>(QStringLiteral("Clicco(1)"))->setChecked(true);
    zeb().visore().resize(500, 600);
    doubleClick("File1", 3);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(zeb().visore().isVisible());
    EXPECT_EQ(zeb().visore().windowTitle(), QStringLiteral("[ZEB] uno"));
    EXPECT_EQ(zeb().visore().size(), zeb().visore().player().size() + QSize(17, 46));
    ASSERT_TRUE(waitUntil([&] { return window.isVisible(); }));
    EXPECT_EQ(list("List2")->model()->rowCount(), 1);
}

// The player really stops: nothing more starts or ends once the viewer is gone, whichever way it went,
// each change of the main window's state among them.
TEST_F(PlaybackTest, EsciTheCloseBoxAndAChangeOfTheMainWindowStopAQueueThatWouldNeverEnd) {
    Seleziona& window = start();
    addFiles({0, 2});
    zeb().configura().findChild<QCheckBox*>(QStringLiteral("Continuo"))->setChecked(true);
    MediaPlayer& player = zeb().visore().player();
    int heard = 0;
    for (const auto signal :
         {&MediaPlayer::started, &MediaPlayer::endOfStream, &MediaPlayer::playedNothing}) {
        QObject::connect(&player, signal, [&heard] { ++heard; });
    }
    const std::pair<const char*, std::function<void()>> ways[] = {
        {"Esci", [&] { zeb().visore().findChild<QPushButton*>(QStringLiteral("Command2"))->click(); }},
        {"close box", [&] { zeb().visore().close(); }},
        {"main window minimised", [&] { window.showMinimized(); }},
        {"main window shown again from minimised", [&] { window.showNormal(); }},
    };
    for (const auto& [way, leave] : ways) {
        heard = 0;
        control<QPushButton>(QStringLiteral("Command4"))->click();
        // Round the queue and on into it again.
        ASSERT_TRUE(waitUntil([&heard] { return heard > 2; })) << way;
        ASSERT_TRUE(zeb().visore().isVisible()) << way;
        leave();
        EXPECT_FALSE(zeb().visore().isVisible()) << way;
        EXPECT_TRUE(window.isVisible()) << way;
        EXPECT_EQ(player.state().shown(), PlayerState::Shown::Stopped) << way;
        // libmpv tells everything in order: once a file loaded now has begun, whatever the queue had left
        // to tell has been told, and that start is all there is to hear.
        heard = 0;
        player.setFile(QDir(programFolder()).filePath(QStringLiteral("uno.wav")));
        ASSERT_TRUE(waitUntil([&player] { return player.state().shown() == PlayerState::Shown::Paused; }))
            << way;
        EXPECT_EQ(heard, 1) << way;
        EXPECT_FALSE(zeb().visore().isVisible()) << way;
        player.stop();
    }
}

TEST_F(PlaybackTest, AFileThatCannotBePlayedIsReportedOnce) {
    start();
    addFiles({1});
    doubleClick("List2", 0);
    ASSERT_TRUE(waitUntil([&] { return !dialogs.shown.empty(); }));
    EXPECT_EQ(dialogs.shown[0].icon, Dialogs::Icon::Stop);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QDir(programFolder()).filePath(QStringLiteral("rotto.wav"))));
    EXPECT_FALSE(zeb().visore().isVisible());
    // Anything more about that file is told before a file loaded now begins.
    MediaPlayer& player = zeb().visore().player();
    player.setFile(QDir(programFolder()).filePath(QStringLiteral("uno.wav")));
    ASSERT_TRUE(waitUntil([&player] { return player.state().shown() == PlayerState::Shown::Paused; }));
    EXPECT_EQ(dialogs.shown.size(), 1u);
    player.stop();
}

// The desktop's media controls reach the windows as their buttons and the window system do: a file opened
// plays as one named on the command line, play-all and the exit question wait while the settings window is
// open, and the window brought up is the one the user sees.
TEST_F(PlaybackTest, TheMediaControlsActOnTheWindowsAsTheirButtonsDo) {
    Seleziona& window = start();
    MprisHost& host = zeb();
    host.openFile(QDir(programFolder()).filePath(QStringLiteral("tre.wav")));
    ASSERT_TRUE(waitUntil([&] { return zeb().visore().isVisible(); }));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(zeb().visore().windowTitle(), QStringLiteral("[ZEB] tre"));
    host.raiseWindow();
    EXPECT_FALSE(window.isVisible()) << "the main window came up instead of the viewer";
    ASSERT_TRUE(waitUntil([&] { return window.isVisible(); }));

    addFiles({0});
    control<QPushButton>(QStringLiteral("Command9"))->click();
    host.playPlaylist();
    host.askToQuit();
    EXPECT_FALSE(zeb().visore().isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
    zeb().configura().findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    host.playPlaylist();
    EXPECT_TRUE(zeb().visore().isVisible());
    EXPECT_EQ(zeb().visore().windowTitle(), QStringLiteral("[ZEB] due"));
    ASSERT_TRUE(waitUntil([&] { return window.isVisible(); }));

    window.showMinimized();
    host.raiseWindow();
    EXPECT_FALSE(window.isMinimized());
    dialogs.yesNoAnswers = {false};
    host.askToQuit();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Eventuali modifiche non salvate verranno perse! Uscire?"));
    EXPECT_TRUE(window.isVisible());
}
