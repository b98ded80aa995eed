#pragma once

#include <QPixmap>
#include <QPushButton>

// A button whose face is a picture (an SVG of the resources) filling the whole button, without caption.
// Its hint is its tooltip and its accessible name, so screen readers and tests can find it.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(const QString& picture, const QString& hint, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString m_picture;
    QPixmap m_face;
};
