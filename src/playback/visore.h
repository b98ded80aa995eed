#pragma once

#include <QWidget>

class QCheckBox;

// The viewer window in which tracks play. Hidden until a track is started.
class Visore : public QWidget {
    Q_OBJECT
public:
    Visore();

    bool scala() const;
    void setScala(bool ticked);

private:
    QCheckBox* Check3;
};
