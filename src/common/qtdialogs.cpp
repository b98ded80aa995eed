#include "qtdialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace {

const QString kTitle = QStringLiteral("ZEB");

QMessageBox::Icon messageBoxIcon(Dialogs::Icon icon) {
    switch (icon) {
        case Dialogs::Icon::Warning:
            return QMessageBox::Warning;
        case Dialogs::Icon::Stop:
            return QMessageBox::Critical;
        case Dialogs::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

bool QtDialogs::askYesNo(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::tell(QWidget* parent, const QString& message, Icon icon) {
    QMessageBox box(messageBoxIcon(icon), kTitle, message, QMessageBox::Ok, parent);
    box.exec();
}

QString QtDialogs::askText(QWidget* parent, const QString& prompt, const QString& title,
                           const QString& defaultText) {
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : QString();
}
