#pragma once

#include <QString>

class QWidget;

// Every question and message the program puts to the user goes through this seam, so that windows can
// be driven by tests. All boxes carry the title "ZEB" unless a title is given.
class Dialogs {
public:
    enum class Icon { None, Warning, Stop };

    virtual ~Dialogs() = default;

    // A question with the question icon and the buttons Yes and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& question) = 0;
    // A message with an OK button.
    virtual void tell(QWidget* parent, const QString& message, Icon icon) = 0;
    // A one-line input box; a cancelled box gives an empty text.
    virtual QString askText(QWidget* parent, const QString& prompt, const QString& title,
                            const QString& defaultText) = 0;
};
