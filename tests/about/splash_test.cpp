#include "splash.h"
#include "fakedialogs.h"
#include "qtprinting.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class SplashTest : public testing::Test {
protected:
    void click(const char* label) {
        auto* target = window.findChild<QLabel*>(QString::fromLatin1(label));
        ASSERT_NE(target, nullptr);
        const QPointF inside(5, 5);
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, inside, target->mapToGlobal(inside), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        }
    }

    FakeDialogs dialogs;
    std::vector<QUrl> opened;
    bool desktopOpens = true;
    Splash window{dialogs, [this](const QUrl& link) {
                      opened.push_back(link);
                      return desktopOpens;
                  }};
};

}  // namespace

TEST_F(SplashTest, LinksGoToTheDesktopAndTheWindowStaysOpen) {
    window.show();
    click("Label5");
    click("Label6");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toString(), QStringLiteral("https://zeb.example.org"));
    EXPECT_EQ(opened[1].toString(), QStringLiteral("mailto:info@zeb.example.org"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label5"))->text(),
              QStringLiteral("https://zeb.example.org"));
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label6"))->text(),
              QStringLiteral("info@zeb.example.org"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SplashTest, ALinkTheDesktopCannotOpenIsReportedAndTheWindowStaysOpen) {
    desktopOpens = false;
    window.show();
    click("Label6");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Box::Kind::Message);
    EXPECT_TRUE(dialogs.shown[0].text.contains(QStringLiteral("mailto:")));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(SplashTest, ItsButtonAndAnyCloseRequestHideItAndReportIt) {
    int closed = 0;
    QObject::connect(&window, &Splash::closed, [&closed] { ++closed; });
    window.show();
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    EXPECT_FALSE(window.isVisible());
    window.show();
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(closed, 2);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("1.20"));
}
