#pragma once

#include <QFrame>

class HintLine;
class Picture;
class QLabel;

// The strip at the foot of the main window: the hint line over its picture, showing the program's name
// and version while there is no hint.
class HintStrip : public QFrame {
    Q_OBJECT
public:
    explicit HintStrip(QWidget* parent);

    HintLine& hints() { return *m_hints; }

private:
    Picture* Image1;
    QLabel* aiuto;
    HintLine* m_hints;
};
