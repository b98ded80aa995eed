#pragma once

#include <QUrl>
#include "secondarywindow.h"

#include <functional>

class Dialogs;
class Outline;
class Picture;
class PictureButton;
class QLabel;

// The about window: name, version, pictures, and links to the project's home page and e-mail address.
class Splash : public SecondaryWindow {
    Q_OBJECT
public:
    // Hands a link to the desktop; false when the desktop could not open it.
    using LinkOpener = std::function<bool(const QUrl&)>;

    Splash(Dialogs& dialogs, LinkOpener openLink);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildPictures();
    void buildTexts();
    QLabel* label(const QString& name, const QString& text, const QColor& colour, qreal points,
                  const QRect& geometry);
    void open(const QUrl& link);

    Dialogs& m_dialogs;
    LinkOpener m_openLink;

    Picture* Image2;
    Picture* Image3;
    Picture* Image1;
    Outline* Shape3;
    Outline* Shape1;
    Outline* Shape2;
    QLabel* Label2;
    QLabel* Label5;
    QLabel* Label1;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label6;
    PictureButton* Command1;
};
