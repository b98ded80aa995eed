#include "configura.h"
#include "fakedialogs.h"

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
        window.load(record);
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
    Configura window{dialogs};
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
    EXPECT_EQ(window.formats(), (std::vector<Format>{{QStringLiteral("mp3"), true},
                                                     {QStringLiteral("avi"), false},
                                                     {QStringLiteral("wma"), true},
                                                     {QStringLiteral(".mp"), true}}));
    EXPECT_EQ(window.mediaPattern(), QStringLiteral("*.mp3;*.avi;*.wma;*..mp"));
}

TEST_F(ConfiguraTest, RefusedFormatsLeaveTheListAsItWas) {
    const std::vector<Format> before = window.formats();
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
        EXPECT_EQ(window.formats(), before);
    }
    EXPECT_EQ(window.mediaPattern(), QStringLiteral("*.mp3;*.avi"));
}

// The list's focus alone, which falls on its first entry when it gets the keyboard, picks nothing.
TEST_F(ConfiguraTest, RemovingTakesThePickedEntryOnlyAndAsksNothing) {
    auto* list = control<QListWidget>("List1");
    auto* remove = control<QPushButton>("Command2");
    list->setCurrentRow(-1);
    remove->click();
    list->selectionModel()->setCurrentIndex(list->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    remove->click();
    EXPECT_EQ(window.formats().size(), 2u);

    list->setCurrentRow(0);
    remove->click();
    EXPECT_EQ(window.formats(), (std::vector<Format>{{QStringLiteral("avi"), false}}));
    EXPECT_EQ(window.mediaPattern(), QStringLiteral("*.avi"));
    remove->click();  // nothing is picked after a removal
    EXPECT_EQ(window.formats().size(), 1u);
    list->setCurrentRow(0);
    remove->click();
    EXPECT_TRUE(window.formats().empty());
    EXPECT_EQ(window.mediaPattern(), QStringLiteral("*."));
    remove->click();
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ConfiguraTest, ControlsAreTheLiveRecord) {
    SettingsRecord loaded;
    loaded.continuo = true;
    loaded.clicco = 1;
    loaded.formats = {{QStringLiteral("ogg"), false}};
    window.load(loaded);
    EXPECT_EQ(window.mediaPattern(), QStringLiteral("*.ogg"));

    control<QCheckBox>("Random")->setChecked(true);
    control<QRadioButton>("Clicco(0)")->setChecked(true);
    control<QListWidget>("List1")->item(0)->setCheckState(Qt::Checked);
    SettingsRecord stored;
    window.store(stored);
    EXPECT_TRUE(stored.continuo);
    EXPECT_TRUE(stored.random);
    EXPECT_EQ(stored.clicco, 0);
    EXPECT_FALSE(control<QRadioButton>("Clicco(1)")->isChecked());
    EXPECT_EQ(stored.formats, (std::vector<Format>{{QStringLiteral("ogg"), true}}));
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
