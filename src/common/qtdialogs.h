#pragma once

#include "dialogs.h"

// Dialogs shown with QMessageBox and QInputDialog; their button texts come from Qt's Italian translation.
class QtDialogs final : public Dialogs {
public:
    bool askYesNo(QWidget* parent, const QString& question) override;
    void tell(QWidget* parent, const QString& message, Icon icon) override;
    QString askText(QWidget* parent, const QString& prompt, const QString& title,
                    const QString& defaultText) override;
};
