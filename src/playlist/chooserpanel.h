#pragma once

#include <QFrame>

class PictureButton;
class QComboBox;
class QLineEdit;
class QListWidget;

// The panel drawn over the browser and the playlist to choose a list file to load or save.
class ChooserPanel : public QFrame {
    Q_OBJECT
public:
    explicit ChooserPanel(QWidget* parent);

    QComboBox* Drive2;
    QListWidget* Dir2;
    QListWidget* File2;
    QLineEdit* Text1;
    PictureButton* Command11;
    PictureButton* Command12;
};
