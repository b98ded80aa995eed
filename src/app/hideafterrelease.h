#pragma once

#include <QObject>

class QWidget;

// Hides a window once no mouse button is held. A window hidden under a held button loses the pointer
// grab, so the release goes to another window and Qt takes the button as held for ever: every pointer
// move then goes to the widget that was pressed, until the next click.
class HideAfterRelease : public QObject {
    Q_OBJECT
public:
    explicit HideAfterRelease(QWidget* window);

    // Hides the window now, or as soon as the buttons are up.
    void hide();
    // Shows the window, giving up a hide still waiting.
    void show();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    bool m_waiting = false;
};
