#pragma once

#include <QObject>

class QWidget;

// Tells when the user may be about to play from a control: the pointer comes over it, or the keyboard
// focus comes to it.
class PlayIntent : public QObject {
    Q_OBJECT
public:
    explicit PlayIntent(QObject* parent) : QObject(parent) {}

    void watch(QWidget* control);

Q_SIGNALS:
    void shown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
