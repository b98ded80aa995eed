#include "configura.h"
#include "fakedialogs.h"
#include "settingsmodel.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

const QString kWrongLength =
    QStringLiteral("E' necessario inserire un'estensione di 3 caratteri. Azione annullata.");
const QString kAlreadyPresent = QStringLiteral("Questo formato è già attivo!");

class ConfiguraTest : public testing::Test {
protected:
    ConfiguraTest() {
        SettingsRecord record;
        record.formats = {{QStringLiteral("mp3"), true}, {QStringLiteral("avi"), false}};
        settings.load(record);
    }

    template <typename Control>
    Control* control(const char* name) {
        auto* found = window.findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void add(const QString& answer) {
        dialogs.textAnswers.push_back(answer);
        control<QPushButton>("Command1")->click();
    }

    FakeDialogs dialogs;
    SettingsModel settings;
    Configura window{dialogs, settings};
};

}  // namespace

TEST_F(ConfiguraTest, AddingAFormatAsksForItAndAppendsItTicked) {
    add(QStringLiteral("wma"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Box::Kind::Input);
    EXPECT_EQ(dialogs.shown[0].text,
              QStringLiteral("Digitare un'estensione di file da 3 caratteri (es. mp3)..."));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("ZEB"));
    add(QStringLiteral(".mp"));
    EXPECT_EQ(settings.formats(), (std::vector<Format>{{QStringLiteral("mp3"), true},
                                                       {QStringLiteral("avi"), false},
                                                       {QStringLiteral("wma"), true},
                                                       {QStringLiteral(".mp"), true}}));
    EXPECT_EQ(settings.mediaPattern(), QStringLiteral("*.mp3;*.avi;*.wma;*..mp"));
}

TEST_F(ConfiguraTest, RefusedFormatsLeaveTheListAsItWas) {
    const std::vector<Format> before = settings.formats();
    struct Case {
        QString answer;
        QString message;
    };
    // "AVI" is refused although the user unticked "avi"; a cancelled box answers "".
    for (const Case& c :
         {Case{QStringLiteral("MP3"), kAlreadyPresent}, Case{QStringLiteral("AVI"), kAlreadyPresent},
          Case{QStringLiteral("mpeg"), kWrongLength}, Case{QString(), kWrongLength}}) {
        dialogs.shown.clear();
        add(c.answer);
        ASSERT_EQ(dialogs.shown.size(), 2u) << c.answer.toStdString();
        EXPECT_EQ(dialogs.shown[1].kind, FakeDialogs::Box::Kind::Message);
        EXPECT_EQ(dialogs.shown[1].text, c.message);
        EXPECT_EQ(dialogs.shown[1].icon, Dialogs::Icon::None);
        EXPECT_EQ(settings.formats(), before);
    }
    EXPECT_EQ(settings.mediaPattern(), QStringLiteral("*.mp3;*.avi"));
}

// The list's focus alone, which falls on its first entry when it gets the keyboard, picks nothing.
TEST_F(ConfiguraTest, RemovingTakesThePickedEntryOnlyAndAsksNothing) {
    auto* list = control<QListWidget>("List1");
    auto* remove = control<QPushButton>("Command2");
    list->setCurrentRow(-1);
    remove->click();
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    remove->click();
    EXPECT_EQ(settings.formats().size(), 2u);

    list->setCurrentRow(0);
    remove->click();
    EXPECT_EQ(settings.formats(), (std::vector<Format>{{QStringLiteral("avi"), false}}));
    EXPECT_EQ(settings.mediaPattern(), QStringLiteral("*.avi"));
    remove->click();  // nothing is picked after a removal
    EXPECT_EQ(settings.formats().size(), 1u);
    list->setCurrentRow(0);
    remove->click();
    EXPECT_TRUE(settings.formats().empty());
    EXPECT_EQ(settings.mediaPattern(), QStringLiteral("*."));
    remove->click();
    EXPECT_TRUE(dialogs.shown.empty());
}

// The window shows the settings in force, whoever changed them (a record read, the media panel), and
// every tick edits them.
TEST_F(ConfiguraTest, TheControlsShowTheLiveSettingsAndEditThem) {
    SettingsRecord loaded;
    loaded.continuo = true;
    loaded.clicco = 1;
    loaded.formats = {{QStringLiteral("ogg"), false}};
    settings.load(loaded);
    EXPECT_TRUE(control<QCheckBox>("Continuo")->isChecked());
    EXPECT_TRUE(control<QRadioButton>("Clicco(1)")->isChecked());
    ASSERT_EQ(control<QListWidget>("List1")->count(), 1);
    EXPECT_EQ(control<QListWidget>("List1")->item(0)->text(), QStringLiteral("ogg"));
    EXPECT_EQ(settings.mediaPattern(), QStringLiteral("*.ogg"));

    control<QCheckBox>("Random")->setChecked(true);
    control<QRadioButton>("Clicco(0)")->setChecked(true);
    control<QListWidget>("List1")->item(0)->setCheckState(Qt::Checked);
    EXPECT_TRUE(settings.continuo());
    EXPECT_TRUE(settings.random());
    EXPECT_EQ(settings.clicco(), 0);
    EXPECT_FALSE(control<QRadioButton>("Clicco(1)")->isChecked());
    EXPECT_EQ(settings.formats(), (std::vector<Format>{{QStringLiteral("ogg"), true}}));

    settings.setContinuo(false);
    settings.setRandom(false);
    EXPECT_FALSE(control<QCheckBox>("Continuo")->isChecked());
    EXPECT_FALSE(control<QCheckBox>("Random")->isChecked());
}

TEST_F(ConfiguraTest, OkEscapeAndAnyCloseRequestHideTheWindowAndReportIt) {
    int closed = 0;
    QObject::connect(&window, &Configura::closed, [&closed] { ++closed; });
    window.show();
    control<QPushButton>("Command3")->click();
    EXPECT_FALSE(window.isVisible());

    window.show();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&window, &escape);
    EXPECT_FALSE(window.isVisible());

    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed, 3);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("ZEB Setup"));
}
