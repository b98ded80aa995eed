// The player module is loaded ahead of the first play when, and only when, the user shows that a play is
// near.
#include "countingplayerloader.h"
#include "listfile.h"
#include "selezionatest.h"

#include <QDir>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QListView>

namespace {

// The helpers are public for the table's actions.
class PlayIntentTest : public SelezionaTest {
public:
    QString fileInFolder(const char* name) const {
        return QDir(programFolder()).filePath(QLatin1String(name));
    }

    void writeSettings(int clicco) {
        QFile(fileInFolder("uno.mp3")).open(QIODevice::WriteOnly);
        EXPECT_TRUE(
            writeListFile(fileInFolder("Jazz.zbl"), {{QStringLiteral("uno"), fileInFolder("uno.mp3")}}));
        SettingsRecord record;
        record.clicco = clicco;
        record.formats = {{QStringLiteral("mp3"), true}};
        EXPECT_TRUE(SalvaConfig(settingsPath(), record));
    }

    void pointerEnters(const char* name) {
        QWidget* target = control(QLatin1String(name));
        const QPointF centre = QRectF(target->rect()).center();
        QEnterEvent enter(centre, centre, target->mapToGlobal(centre));
        QApplication::sendEvent(target, &enter);
    }

    void focusComesTo(const char* name) {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(control(QLatin1String(name)), &focus);
    }

    void selectMediaFile() {
        auto* files = control<QListView>(QStringLiteral("File1"));
        ASSERT_EQ(files->model()->rowCount(), 1);
        files->selectionModel()->select(files->model()->index(0, 0), QItemSelectionModel::Select);
    }

    CountingPlayerLoader counting;
    PlayerModule module{counting.loader()};
};

}  // namespace

TEST_F(PlayIntentTest, TheModuleIsLoadedAheadOnlyWhenAPlayIsNear) {
    const struct {
        const char* what;
        int clicco;
        std::function<void(PlayIntentTest&, Seleziona&)> act;
        bool loadsAhead;
    } cases[] = {
        {"plain start-up", 1, [](PlayIntentTest&, Seleziona&) {}, false},
        {"pointer over play-all", 0, [](PlayIntentTest& t, Seleziona&) { t.pointerEnters("Command4"); },
         true},
        {"pointer over the playlist", 0, [](PlayIntentTest& t, Seleziona&) { t.pointerEnters("List2"); },
         true},
        {"pointer over the add button", 1, [](PlayIntentTest& t, Seleziona&) { t.pointerEnters("Command1"); },
         false},
        {"focus on play-all", 0, [](PlayIntentTest& t, Seleziona&) { t.focusComesTo("Command4"); }, true},
        {"focus on the playlist", 0, [](PlayIntentTest& t, Seleziona&) { t.focusComesTo("List2"); }, true},
        {"focus on the file list", 1, [](PlayIntentTest& t, Seleziona&) { t.focusComesTo("File1"); }, false},
        {"media file selected, a double-click plays", 1,
         [](PlayIntentTest& t, Seleziona&) { t.selectMediaFile(); }, true},
        {"media file selected, a double-click adds", 0,
         [](PlayIntentTest& t, Seleziona&) { t.selectMediaFile(); }, false},
        {"list file loaded", 0,
         [](PlayIntentTest& t, Seleziona&) { t.zeb().openPaths({t.fileInFolder("Jazz.zbl")}, true); }, true},
        {"media file handed over to play", 0,
         [](PlayIntentTest& t, Seleziona&) { t.zeb().openPaths({t.fileInFolder("uno.mp3")}, false); }, true},
        {"media file handed over to the playlist", 0,
         [](PlayIntentTest& t, Seleziona&) { t.zeb().openPaths({t.fileInFolder("uno.mp3")}, true); }, false},
    };
    for (const auto& intent : cases) {
        SCOPED_TRACE(intent.what);
        CountingPlayerLoader loader;
        PlayerModule playerModule(loader.loader());
        writeSettings(intent.clicco);
        Seleziona& window = startWith(playerModule);
        intent.act(*this, window);
        settle();
        EXPECT_EQ(playerModule.isLoadStarted(), intent.loadsAhead);
        if (intent.loadsAhead) {
            EXPECT_TRUE(waitUntil([&loader] { return loader.loads > 0; }));
            EXPECT_NE(loader.thread.load(), QThread::currentThread());
        }
        destroyWindow();
        EXPECT_EQ(loader.loads, intent.loadsAhead ? 1 : 0);
    }
}

// Signs after signs, then the play itself: one load.
TEST_F(PlayIntentTest, ManySignsAndAPlayLoadTheModuleOnce) {
    writeSettings(1);
    startWith(module);
    pointerEnters("List2");
    focusComesTo("Command4");
    pointerEnters("Command4");
    selectMediaFile();
    zeb().playPlaylist();
    settle();
    // The load runs on a thread of its own: wait for it, then see that no second one followed.
    EXPECT_TRUE(waitUntil([this] { return counting.loads > 0; }));
    destroyWindow();
    EXPECT_EQ(counting.loads, 1);
}
