#include "filesizelimit.h"
#include "listfile.h"
#include "selezionatest.h"
#include "testmount.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString kNotValid = QStringLiteral("Il file selezionato non è valido.");

// The main window with two tracks in its playlist, and the chooser starting in the folder "Liste".
class ChooserTest : public SelezionaTest {
protected:
    ChooserTest() : m_workingFolder(QDir::currentPath()) {
        for (const char* name : {"Alba.mp3", "Tramonto.mp3"}) {
            QFile file(QDir(programFolder()).filePath(QString::fromUtf8(name)));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        EXPECT_TRUE(QDir(programFolder()).mkpath(QStringLiteral("Liste/Vecchie")));
        SettingsRecord record;
        record.formats = {{QStringLiteral("mp3"), true}};
        EXPECT_TRUE(SalvaConfig(settingsPath(), record));
        QDir::setCurrent(listFolder());
    }
    ~ChooserTest() override { QDir::setCurrent(m_workingFolder); }

    QString listFolder(const QString& name = QString()) const {
        const QDir folder(QDir(programFolder()).filePath(QStringLiteral("Liste")));
        return name.isEmpty() ? folder.path() : folder.filePath(name);
    }

    Seleziona& startWithTwoTracks() {
        Seleziona& window = start();
        auto* files = control<QListView>(QStringLiteral("File1"));
        files->selectAll();
        click("Command1");
        return window;
    }

    void click(const char* button) {
        control<QPushButton>(QLatin1String(button))->click();
        settle();
    }
    QLineEdit* name() { return control<QLineEdit>(QStringLiteral("Text1")); }
    bool chooserOpen() { return control(QStringLiteral("Frame1"))->isVisible(); }

    QStringList listFiles() {
        const QAbstractItemModel* model = control<QListView>(QStringLiteral("File2"))->model();
        QStringList names;
        for (int row = 0; row < model->rowCount(); ++row)
            names.append(model->index(row, 0).data().toString());
        return names;
    }

    void selectListFile(const QString& file) {
        auto* files = control<QListView>(QStringLiteral("File2"));
        const int row = int(listFiles().indexOf(file));
        ASSERT_GE(row, 0) << file.toStdString();
        files->setCurrentIndex(files->model()->index(row, 0));
    }

    void pressDelete() {
        QKeyEvent deleteKey(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(control(QStringLiteral("File2")), &deleteKey);
    }

    void saveAs(const QString& typed) {
        click("Command3");
        name()->setText(typed);
        click("Command11");
    }

private:
    QString m_workingFolder;
};

}  // namespace

TEST_F(ChooserTest, OpeningLocksTheWindowBelowAndSavingNeedsTracks) {
    start();
    click("Command3");
    EXPECT_FALSE(chooserOpen());
    click("Command7");
    EXPECT_TRUE(chooserOpen());
    for (const char* locked : {"Drive1", "Dir1", "File1", "Command1", "Command2", "Command3", "Command4",
                               "Command5", "Command6", "Command7", "Command8", "Command9", "Command10"}) {
        EXPECT_FALSE(control(QLatin1String(locked))->isEnabled()) << locked;
    }
    EXPECT_TRUE(control(QStringLiteral("Command13"))->isEnabled());
    EXPECT_TRUE(name()->isReadOnly());
    click("Command12");
    EXPECT_FALSE(chooserOpen());
    EXPECT_TRUE(control(QStringLiteral("Command1"))->isEnabled());
}

TEST_F(ChooserTest, SavingWritesTheListAndNamesItInTheCaption) {
    Seleziona& window = startWithTwoTracks();
    click("Command3");
    EXPECT_EQ(name()->text(), QStringLiteral("NuovaLista.zbl"));
    EXPECT_FALSE(name()->isReadOnly());
    name()->clear();
    click("Command11");  // no name: nothing happens
    EXPECT_TRUE(chooserOpen());

    name()->setText(QStringLiteral("Rock"));
    click("Command11");
    EXPECT_FALSE(chooserOpen());
    const QString saved = listFolder(QStringLiteral("Rock.zbl"));
    EXPECT_EQ(zeb().attuale(), saved);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB - ") + saved);
    const std::vector<Track> expected = {
        {QStringLiteral("Alba"), QDir(programFolder()).filePath(QStringLiteral("Alba.mp3"))},
        {QStringLiteral("Tramonto"), QDir(programFolder()).filePath(QStringLiteral("Tramonto.mp3"))}};
    EXPECT_EQ(readListFile(saved), expected);

    // With a current list file, the next save opening keeps the name field as it was.
    click("Command3");
    EXPECT_EQ(name()->text(), QStringLiteral("Rock"));
    click("Command12");
    saveAs(QStringLiteral("Jazz.ZBL"));
    saveAs(QStringLiteral("Blues.txt"));
    EXPECT_EQ(zeb().attuale(), listFolder(QStringLiteral("Blues.txt.zbl")));
    click("Command7");
    EXPECT_EQ(listFiles(), (QStringList{QStringLiteral("Blues.txt.zbl"), QStringLiteral("Jazz.ZBL"),
                                        QStringLiteral("Rock.zbl")}));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ChooserTest, LoadingTakesTheClickedFileAndADoubleClickLoadsAtOnce) {
    ASSERT_TRUE(writeListFile(listFolder(QStringLiteral("Pop.zbl")),
                              {{QStringLiteral("Uno"), QStringLiteral("/m/uno.mp3")}}));
    Seleziona& window = startWithTwoTracks();
    name()->setText(QStringLiteral("resto"));
    click("Command7");
    EXPECT_TRUE(name()->text().isEmpty());
    click("Command11");
    EXPECT_TRUE(chooserOpen());

    selectListFile(QStringLiteral("Pop.zbl"));
    EXPECT_EQ(name()->text(), QStringLiteral("Pop.zbl"));
    auto* files = control<QListView>(QStringLiteral("File2"));
    Q_EMIT files->doubleClicked(files->currentIndex());
    settle();
    EXPECT_FALSE(chooserOpen());
    EXPECT_EQ(zeb().attuale(), listFolder(QStringLiteral("Pop.zbl")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB - ") + listFolder(QStringLiteral("Pop.zbl")));
    EXPECT_EQ(control<QListView>(QStringLiteral("List2"))->model()->rowCount(), 1);
}

// A list file that cannot be read, or is not one, loses nothing: playlist, caption and current file stay.
TEST_F(ChooserTest, AFailedLoadLosesNothing) {
    QFile broken(listFolder(QStringLiteral("Rotta.zbl")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("Lista ZEB\r\n 2 \r\nAlba\r\nTramonto\r\n/m/alba.mp3\r\n");
    broken.close();
    Seleziona& window = startWithTwoTracks();
    saveAs(QStringLiteral("Buona"));

    click("Command7");
    selectListFile(QStringLiteral("Rotta.zbl"));
    click("Command11");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, kNotValid);
    EXPECT_EQ(dialogs.shown[0].icon, Dialogs::Icon::Stop);
    EXPECT_FALSE(chooserOpen());
    EXPECT_EQ(control<QListView>(QStringLiteral("List2"))->model()->rowCount(), 2);
    EXPECT_EQ(zeb().attuale(), listFolder(QStringLiteral("Buona.zbl")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB - ") + listFolder(QStringLiteral("Buona.zbl")));
}

TEST_F(ChooserTest, AFailedSaveSaysSoAndLeavesTheOldFile) {
    Seleziona& window = startWithTwoTracks();
    saveAs(QStringLiteral("Rock"));
    const QByteArray before = contentOf(listFolder(QStringLiteral("Rock.zbl")));
    ASSERT_TRUE(QDir(programFolder()).mkdir(QStringLiteral("Liste/Piena.zbl")));  // a folder in the way
    saveAs(QStringLiteral("Piena"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, Dialogs::Icon::Stop);
    EXPECT_TRUE(dialogs.shown[0].text.contains(listFolder(QStringLiteral("Piena.zbl"))));
    EXPECT_FALSE(chooserOpen());
    EXPECT_EQ(zeb().attuale(), listFolder(QStringLiteral("Rock.zbl")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB - ") + listFolder(QStringLiteral("Rock.zbl")));

    {
        const FileSizeLimit diskFull(10);
        saveAs(QStringLiteral("Rock"));
    }
    EXPECT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(contentOf(listFolder(QStringLiteral("Rock.zbl"))), before);
}

TEST_F(ChooserTest, CancelKeepsTheFolderForTheNextOpening) {
    start();
    click("Command7");
    auto* folders = control<QListWidget>(QStringLiteral("Dir2"));
    const auto items = folders->findItems(QStringLiteral("Vecchie"), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    Q_EMIT folders->itemActivated(items.first());
    settle();
    click("Command12");
    click("Command7");
    EXPECT_EQ(folders->currentItem()->text(), QStringLiteral("Vecchie"));
}

TEST_F(ChooserTest, DeletingTheCurrentListFileForgetsIt) {
    Seleziona& window = startWithTwoTracks();
    saveAs(QStringLiteral("Rock"));
    const QString rock = listFolder(QStringLiteral("Rock.zbl"));
    click("Command7");
    pressDelete();  // nothing selected: no question
    EXPECT_TRUE(dialogs.shown.empty());

    selectListFile(QStringLiteral("Rock.zbl"));
    dialogs.yesNoAnswers = {false, true};
    pressDelete();
    EXPECT_TRUE(QFile::exists(rock));
    EXPECT_EQ(zeb().attuale(), rock);
    EXPECT_EQ(name()->text(), QStringLiteral("Rock.zbl"));
    pressDelete();
    settle();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text, QStringLiteral("Eliminare definitivamente il file?"));
    EXPECT_FALSE(QFile::exists(rock));
    EXPECT_TRUE(zeb().attuale().isEmpty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB - ") + rock);
    EXPECT_TRUE(name()->text().isEmpty());
    EXPECT_TRUE(listFiles().isEmpty());
    EXPECT_TRUE(chooserOpen());

    click("Command12");
    click("Command3");
    EXPECT_EQ(name()->text(), QStringLiteral("NuovaLista.zbl"));
}

TEST_F(ChooserTest, ADeletionThatFailsIsReportedAndTheChooserStaysOpen) {
    startWithTwoTracks();
    saveAs(QStringLiteral("Rock"));
    click("Command7");
    selectListFile(QStringLiteral("Rock.zbl"));
    ASSERT_TRUE(QFile::remove(listFolder(QStringLiteral("Rock.zbl"))));  // gone behind the chooser's back
    dialogs.yesNoAnswers = {true};
    pressDelete();
    settle();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].kind, FakeDialogs::Box::Kind::Message);
    EXPECT_TRUE(chooserOpen());
}

TEST_F(ChooserTest, AnInvalidLastListIsReportedAtStartUpAndKept) {
    QFile broken(listFolder(QStringLiteral("Rotta.zbl")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.close();
    SettingsRecord record = LeggiConfig(settingsPath());
    record.currentListFile = broken.fileName();
    ASSERT_TRUE(SalvaConfig(settingsPath(), record));
    Seleziona& window = start();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, kNotValid);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB"));
    EXPECT_EQ(zeb().attuale(), broken.fileName());
    EXPECT_EQ(control<QListView>(QStringLiteral("List2"))->model()->rowCount(), 0);
}

// A working folder that has gone, or that cannot be read, leaves the chooser no folder of its own: it
// starts in the home folder, and never saves onto a name without a folder.
TEST_F(ChooserTest, WithoutAWorkingFolderToReadTheChooserStartsAtHome) {
    const QString home = QDir(programFolder()).filePath(QStringLiteral("casa"));
    ASSERT_TRUE(QDir().mkpath(home));
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home));
    SKIP_UNLESS_TEST_MOUNTS();
    TestMount share;
    ASSERT_TRUE(QDir().mkpath(share.backing(QStringLiteral("chiusa"))));
    share.setRules(R"([{"path": "/chiusa", "op": "readdir", "errno": "EACCES"}])");
    const QString gone = QDir(programFolder()).filePath(QStringLiteral("sparita"));
    ASSERT_TRUE(QDir().mkpath(gone));

    for (const QString& working : {gone, share.path(QStringLiteral("chiusa"))}) {
        ASSERT_TRUE(QDir::setCurrent(working));
        if (working == gone) {
            ASSERT_TRUE(QDir().rmdir(gone));
        }
        startWithTwoTracks();
        click("Command3");
        EXPECT_TRUE(listFiles().isEmpty());
        click("Command11");
        EXPECT_EQ(zeb().attuale(), QDir(home).filePath(QStringLiteral("NuovaLista.zbl")))
            << working.toStdString();
        ASSERT_TRUE(QFile::remove(zeb().attuale()));
    }
    EXPECT_TRUE(dialogs.shown.empty());
    qputenv("HOME", realHome);
}
