#include "configura.h"
#include "selezionatest.h"
#include "splash.h"
#include "visore.h"

#include <QCheckBox>
#include <QDir>
#include <QPointer>
#include <QPushButton>

namespace {

const QString kExitQuestion = QStringLiteral("Eventuali modifiche non salvate verranno perse! Uscire?");

}  // namespace

TEST_F(SelezionaTest, StartsWithTheDefaultsWhenThereIsNoSettingsFile) {
    Seleziona& window = start();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB"));
    EXPECT_TRUE(hint().startsWith(QStringLiteral("ZEB 1.20")));
    EXPECT_TRUE(zeb().attuale().isEmpty());
    EXPECT_EQ(window.pos(), QPoint(0, 0));
    EXPECT_EQ(window.size(), QSize(505, 448));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(zeb().configura().isVisible());
    EXPECT_FALSE(zeb().visore().isVisible());
    EXPECT_FALSE(zeb().splash().isVisible());
    EXPECT_EQ(zeb().settings().mediaPattern(), QStringLiteral("*."));
    EXPECT_TRUE(QFile::exists(settingsPath()));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SelezionaTest, StartUpAppliesTheStoredRecordToEveryWindow) {
    ASSERT_TRUE(SalvaConfig(settingsPath(), storedRecord()));
    Seleziona& window = start();
    EXPECT_EQ(zeb().attuale(), storedRecord().currentListFile);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB - ") + storedRecord().currentListFile);
    EXPECT_EQ(window.pos(), QPoint(100, 50));
    EXPECT_EQ(zeb().visore().pos(), QPoint(20, 30));
    EXPECT_TRUE(zeb().visore().scala());
    EXPECT_EQ(zeb().settings().formats(), storedRecord().formats);
    EXPECT_EQ(zeb().settings().mediaPattern(), QStringLiteral("*.mp3;*.avi"));
}

TEST_F(SelezionaTest, ExitAnsweredNoKeepsEverythingAndWritesNothing) {
    ASSERT_TRUE(SalvaConfig(settingsPath(), storedRecord()));
    Seleziona& window = start();
    const QByteArray before = contentOf(settingsPath());
    zeb().configura().findChild<QCheckBox*>(QStringLiteral("Random"))->setChecked(true);

    dialogs.yesNoAnswers = {false, false};
    EXPECT_FALSE(window.close());
    control<QPushButton>(QStringLiteral("Command8"))->click();
    ASSERT_EQ(dialogs.shown.size(), 2u);
    for (const auto& box : dialogs.shown) {
        EXPECT_EQ(box.kind, FakeDialogs::Box::Kind::Question);
        EXPECT_EQ(box.text, kExitQuestion);
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(contentOf(settingsPath()), before);
    EXPECT_TRUE(zeb().configura().findChild<QCheckBox*>(QStringLiteral("Random"))->isChecked());
}

TEST_F(SelezionaTest, ExitAnsweredYesSavesTheRecordAndDestroysTheOtherWindows) {
    ASSERT_TRUE(SalvaConfig(settingsPath(), storedRecord()));
    Seleziona& window = start();
    const QPointer<Configura> configura = &zeb().configura();
    const QPointer<Visore> visore = &zeb().visore();
    const QPointer<Splash> splash = &zeb().splash();
    configura->findChild<QCheckBox*>(QStringLiteral("Random"))->setChecked(true);
    window.move(45, 60);

    dialogs.yesNoAnswers = {true};
    control<QPushButton>(QStringLiteral("Command8"))->click();
    settle();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(dialogs.shown.size(), 1u);

    SettingsRecord expected = storedRecord();
    expected.random = true;
    expected.main = {675, 900};
    EXPECT_EQ(LeggiConfig(settingsPath()), expected);

    // The other windows end with the main window.
    destroyWindow();
    EXPECT_TRUE(configura.isNull());
    EXPECT_TRUE(visore.isNull());
    EXPECT_TRUE(splash.isNull());
}

TEST_F(SelezionaTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheProgramStillEnds) {
    Seleziona& window = start();
    ASSERT_TRUE(QFile::remove(settingsPath()));
    ASSERT_TRUE(QDir().mkdir(settingsPath()));  // a folder where the file should go
    dialogs.yesNoAnswers = {true};
    window.close();
    settle();
    EXPECT_FALSE(window.isVisible());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].kind, FakeDialogs::Box::Kind::Message);
    EXPECT_EQ(dialogs.shown[1].icon, Dialogs::Icon::Stop);
    EXPECT_TRUE(dialogs.shown[1].text.contains(settingsPath()));
}

TEST_F(SelezionaTest, SettingsButtonDisablesTheMainWindowUntilOk) {
    Seleziona& window = start();
    control<QPushButton>(QStringLiteral("Command9"))->click();
    EXPECT_FALSE(window.isEnabled());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(zeb().configura().isVisible());

    control<QPushButton>(QStringLiteral("Command13"))->click();
    EXPECT_FALSE(zeb().splash().isVisible());

    zeb().configura().findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(zeb().configura().isVisible());
}

TEST_F(SelezionaTest, AboutWindowTakesThePlaceOfTheMainWindowUntilItsButton) {
    Seleziona& window = start();
    movePointerOver(control(QStringLiteral("Command4")));
    const QString before = hint();

    control<QPushButton>(QStringLiteral("Command13"))->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(zeb().splash().isVisible());

    zeb().splash().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(zeb().splash().isVisible());
    EXPECT_EQ(hint(), before);
}

TEST_F(SelezionaTest, EveryButtonNamesItsHintAndShowsItUnderThePointer) {
    start();
    const std::pair<const char*, const char*> hints[] = {
        {"Command1", "Aggiungi alla lista i files selezionati"},
        {"Command2", "Elimina dalla lista il brano selezionato"},
        {"Command3", "Salva la lista corrente"},
        {"Command4", "Esegui tutti i brani nella lista"},
        {"Command5", "Sposta su il brano selezionato"},
        {"Command6", "Sposta giù il brano selezionato"},
        {"Command7", "Leggi un'altra lista"},
        {"Command8", "Chiudi ZEB"},
        {"Command9", "Modifica le impostazioni di ZEB"},
        {"Command10", "Comincia una nuova lista"},
        {"Command11", "Conferma il file selezionato"},
        {"Command12", "Annulla l'operazione"},
        {"Command13", "Informazioni su ZEB"},
    };
    control(QStringLiteral("Frame1"))->show();
    for (const auto& [name, text] : hints) {
        auto* button = control<QPushButton>(QLatin1String(name));
        const QString expected = QString::fromUtf8(text);
        EXPECT_EQ(button->accessibleName(), expected) << name;
        EXPECT_EQ(button->toolTip(), expected) << name;
        movePointerOver(control(QStringLiteral("List2")));
        movePointerOver(button);
        EXPECT_EQ(hint(), expected) << name;
    }
}

TEST_F(SelezionaTest, ListsAndBackgroundsShowTheIdleTextWhileDrivesNameAndHintStripKeepTheHint) {
    Seleziona& window = start();
    const QString idle = hint();
    const auto hintAfterMovingFrom = [&](const char* from, QWidget* to,
                                         std::optional<QPointF> at = std::nullopt) {
        movePointerOver(control(QLatin1String(from)));
        movePointerOver(to, at);
        return hint();
    };
    const QPointF uncovered(3, 3);
    EXPECT_EQ(hintAfterMovingFrom("Command5", control(QStringLiteral("List2"))), idle);
    EXPECT_EQ(hintAfterMovingFrom("List2", control(QStringLiteral("Drive1"))), idle);
    for (const char* keeper : {"Drive1", "frame", "aiuto", "Image1"}) {
        EXPECT_EQ(hintAfterMovingFrom("Command5", control(QLatin1String(keeper))),
                  QStringLiteral("Sposta su il brano selezionato"))
            << keeper;
    }
    for (const char* idler : {"Dir1", "File1"}) {
        EXPECT_EQ(hintAfterMovingFrom("Command5", control(QLatin1String(idler))), idle) << idler;
    }
    EXPECT_EQ(hintAfterMovingFrom("Command5", &window, uncovered), idle);

    control(QStringLiteral("Frame1"))->show();
    for (const char* keeper : {"Drive2", "Text1"}) {
        EXPECT_EQ(hintAfterMovingFrom("Command12", control(QLatin1String(keeper))),
                  QStringLiteral("Annulla l'operazione"))
            << keeper;
    }
    EXPECT_EQ(hintAfterMovingFrom("Command12", control(QStringLiteral("Frame1")), uncovered), idle);
    for (const char* idler : {"Dir2", "File2"}) {
        EXPECT_EQ(hintAfterMovingFrom("Command12", control(QLatin1String(idler))), idle) << idler;
    }
}
