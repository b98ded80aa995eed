#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class Dialogs;
class Outline;
class Picture;
class PictureButton;
class QLabel;

// The about window: name, version, pictures, and links to the project's home page and e-mail address.
class Splash : public QWidget {
    Q_OBJECT
public:
    // Hands a link to the desktop; false when the desktop could not open it.
    using LinkOpener = std::function<bool(const QUrl&)>;

    Splash(Dialogs& dialogs, LinkOpener openLink);

Q_SIGNALS:
    // The window has been hidden by its button.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPictures();
    void buildTexts();
    QLabel* label(const QString& name, const QString& text, const QColor& colour, qreal points,
                  const QRect& geometry);
    void open(const QUrl& link);
    void leave();

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
