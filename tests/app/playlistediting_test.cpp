#include "configura.h"
#include "listfile.h"
#include "selezionatest.h"
#include "settingscodec.h"

#include <QKeyEvent>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kNewListQuestion =
    QStringLiteral("Eventuali modifiche non salvate verranno perse! Cominciare una nuova lista?");

// The main window on a program folder holding some media files, with mp3 and ogg recognised.
class PlaylistEditingTest : public SelezionaTest {
protected:
    PlaylistEditingTest() {
        for (const char* name :
             {"Bolero.ogg", "aria.mp3", "Canone.MP3", "nota.txt", "Suono.wav", ".nascosto.mp3"}) {
            QFile file(QDir(programFolder()).filePath(QString::fromUtf8(name)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        SettingsRecord record;
        record.formats = {{QStringLiteral("mp3"), true}, {QStringLiteral("ogg"), false}};
        EXPECT_TRUE(SalvaConfig(settingsPath(), record));
    }

    QStringList rows(const char* list) {
        const QAbstractItemModel* model = control<QListView>(QLatin1String(list))->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts.append(model->index(row, 0).data().toString());
        return texts;
    }

    void selectFiles(std::initializer_list<int> fileRows) {
        auto* files = control<QListView>(QStringLiteral("File1"));
        for (const int row : fileRows) {
            files->selectionModel()->select(files->model()->index(row, 0), QItemSelectionModel::Select);
        }
    }

    void click(const char* button) { control<QPushButton>(QLatin1String(button))->click(); }

    void selectEntry(int row) {
        auto* playlist = control<QListView>(QStringLiteral("List2"));
        playlist->setCurrentIndex(playlist->model()->index(row, 0));
    }

    int selectedEntry() {
        const QModelIndexList selected =
            control<QListView>(QStringLiteral("List2"))->selectionModel()->selectedRows();
        return selected.isEmpty() ? -1 : selected.first().row();
    }

    QString pathOf(const char* name) const { return QDir(programFolder()).filePath(QString::fromUtf8(name)); }
};

}  // namespace

TEST_F(PlaylistEditingTest, TheBrowserStartsInTheProgramFolderWithTheStoredFormats) {
    start();
    EXPECT_EQ(rows("File1"), (QStringList{QStringLiteral("aria.mp3"), QStringLiteral("Bolero.ogg"),
                                          QStringLiteral("Canone.MP3")}));
    auto* folders = control<QListWidget>(QStringLiteral("Dir1"));
    ASSERT_GT(folders->count(), 0);
    EXPECT_EQ(folders->currentItem()->text(), QDir(programFolder()).dirName());
}

TEST_F(PlaylistEditingTest, AddedFilesTakeTheirPathsAndDisplayNamesAndLeaveNothingSelected) {
    start();
    selectFiles({2, 0});
    click("Command1");
    EXPECT_EQ(rows("List2"), (QStringList{QStringLiteral("aria"), QStringLiteral("Canone")}));
    EXPECT_FALSE(control<QListView>(QStringLiteral("File1"))->selectionModel()->hasSelection());

    selectFiles({0, 1});  // aria again: it moves to the end
    click("Command1");
    EXPECT_EQ(rows("List2"),
              (QStringList{QStringLiteral("Canone"), QStringLiteral("aria"), QStringLiteral("Bolero")}));
    selectEntry(1);
    EXPECT_EQ(hint(), pathOf("aria.mp3"));

    click("Command1");  // nothing selected: nothing added
    EXPECT_EQ(rows("List2").size(), 3);
}

// A list file may hold a path twice; adding, even nothing, leaves each path once, at its latest place.
TEST_F(PlaylistEditingTest, AddingRemovesTheRepeatsALoadedListHeld) {
    SettingsRecord record = LeggiConfig(settingsPath());
    record.currentListFile = QDir(programFolder()).filePath(QStringLiteral("Doppi.zbl"));
    ASSERT_TRUE(writeListFile(record.currentListFile, {{QStringLiteral("aria"), pathOf("aria.mp3")},
                                                       {QStringLiteral("Canone"), pathOf("Canone.MP3")},
                                                       {QStringLiteral("ARIA"), pathOf("ARIA.MP3")}}));
    ASSERT_TRUE(SalvaConfig(settingsPath(), record));
    start();
    ASSERT_EQ(rows("List2").size(), 3);
    click("Command1");
    EXPECT_EQ(rows("List2"), (QStringList{QStringLiteral("Canone"), QStringLiteral("ARIA")}));
}

TEST_F(PlaylistEditingTest, RemovingAndMovingKeepTheSelectionOnTheEntryAndShowItsPath) {
    start();
    selectFiles({0, 1, 2});
    click("Command1");

    click("Command2");  // nothing selected
    EXPECT_EQ(rows("List2").size(), 3);

    selectEntry(0);
    click("Command5");
    click("Command6");
    EXPECT_EQ(rows("List2"),
              (QStringList{QStringLiteral("Bolero"), QStringLiteral("aria"), QStringLiteral("Canone")}));
    EXPECT_EQ(selectedEntry(), 1);
    EXPECT_EQ(hint(), pathOf("aria.mp3"));
    click("Command6");
    click("Command6");
    EXPECT_EQ(selectedEntry(), 2);
    EXPECT_EQ(rows("List2"),
              (QStringList{QStringLiteral("Bolero"), QStringLiteral("Canone"), QStringLiteral("aria")}));

    click("Command2");
    EXPECT_EQ(rows("List2"), (QStringList{QStringLiteral("Bolero"), QStringLiteral("Canone")}));
    EXPECT_EQ(selectedEntry(), 1);
    EXPECT_EQ(hint(), pathOf("Canone.MP3"));

    selectEntry(0);
    QKeyEvent deleteKey(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QApplication::sendEvent(control(QStringLiteral("List2")), &deleteKey);
    EXPECT_EQ(rows("List2"), QStringList{QStringLiteral("Canone")});
    EXPECT_EQ(selectedEntry(), 0);
    QApplication::sendEvent(control(QStringLiteral("List2")), &deleteKey);
    EXPECT_TRUE(rows("List2").isEmpty());
    EXPECT_EQ(selectedEntry(), -1);
}

TEST_F(PlaylistEditingTest, ANewListIsBegunOnlyOnYesAndForgetsTheListFile) {
    SettingsRecord record = LeggiConfig(settingsPath());
    record.currentListFile = QDir(programFolder()).filePath(QStringLiteral("Rock.zbl"));
    ASSERT_TRUE(writeListFile(record.currentListFile, {}));
    ASSERT_TRUE(SalvaConfig(settingsPath(), record));
    Seleziona& window = start();
    selectFiles({0});
    click("Command1");

    dialogs.yesNoAnswers = {false, true, true};
    click("Command10");
    EXPECT_EQ(rows("List2").size(), 1);
    EXPECT_EQ(zeb().attuale(), record.currentListFile);
    click("Command10");
    EXPECT_TRUE(rows("List2").isEmpty());
    EXPECT_TRUE(zeb().attuale().isEmpty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB"));
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, kNewListQuestion);

    window.close();
    settle();
    ASSERT_FALSE(window.isVisible());
    EXPECT_TRUE(LeggiConfig(settingsPath()).currentListFile.isEmpty());
}

TEST_F(PlaylistEditingTest, AFormatAddedInTheSettingsWindowShowsInTheFileListOnOk) {
    start();
    click("Command9");
    dialogs.textAnswers = {QStringLiteral("wav")};
    zeb().configura().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(rows("File1").size(), 3);
    zeb().configura().findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    settle();
    EXPECT_TRUE(rows("File1").contains(QStringLiteral("Suono.wav")));
}
