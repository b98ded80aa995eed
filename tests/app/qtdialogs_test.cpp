#include "qtdialogs.h"
#include "translation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

// The boxes the user sees speak Italian: Qt's own Yes and No come from its Italian translation.
TEST(QtDialogs, QuestionsAskWithItalianYesAndNo) {
    installItalianTranslation();
    QStringList buttons;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text().remove(QLatin1Char('&')));
        box->button(QMessageBox::No)->click();
    });
    QtDialogs dialogs;
    EXPECT_FALSE(dialogs.askYesNo(nullptr, QStringLiteral("Uscire?")));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("No"), QStringLiteral("Sì")}));
    EXPECT_EQ(title, QStringLiteral("ZEB"));
    EXPECT_EQ(icon, QMessageBox::Question);
}
