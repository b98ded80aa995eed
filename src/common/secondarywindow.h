#pragma once

#include <QWidget>

// A window opened from the main window and left back to it. It is shown centred on the screen; its own
// button, Esc and any request to close it all leave it: it hides and reports closed().
class SecondaryWindow : public QWidget {
    Q_OBJECT
public:
    explicit SecondaryWindow(Qt::WindowFlags flags);

    void leave();

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
