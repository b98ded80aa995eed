#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <initializer_list>
#include <vector>

class QWidget;

// The busy pointer over the controls that wait for a file system, once a wait has lasted long enough to
// be noticed: a quick read never makes the pointer flicker.
class BusyPointer : public QObject {
    Q_OBJECT
public:
    BusyPointer(std::initializer_list<QWidget*> over, QObject* parent);

    // A wait begins, in place of any under way, and the pointer is the normal one until it has lasted; or
    // the wait ends.
    void setWaiting(bool waiting);

private:
    void show(bool busy);

    std::vector<QPointer<QWidget>> m_over;
    QTimer m_noticed;
};
