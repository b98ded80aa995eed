#include "visore.h"

#include "controls.h"
#include "looks.h"
#include "mediaplayer.h"
#include "picture.h"
#include "viewerlayout.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

Visore::Visore(PlayerModule& playerModule, const PlayerBackend::Options& playerOptions) {
    setObjectName(QStringLiteral("Visore"));
    setWindowTitle(QStringLiteral("ZEB"));
    setAttribute(Qt::WA_QuitOnClose, false);
    looks::paint(this, looks::kYellow, looks::kBlack);

    MediaPlayer1 = place(new MediaPlayer(playerModule, playerOptions, this), QStringLiteral("MediaPlayer1"),
                         QRect(9, 9, 352, 435));
    Shape1 = place(new Outline(looks::kGreen, this), QStringLiteral("Shape1"), QRect(8, 8, 354, 465));
    Check3 =
        place(new QCheckBox(QStringLiteral("Scala"), this), QStringLiteral("Check3"), QRect(16, 449, 81, 17));
    looks::paintOption(Check3, looks::kYellow, looks::kBlack);
    Command2 = place(new QPushButton(QStringLiteral("Esci"), this), QStringLiteral("Command2"),
                     QRect(305, 443, 57, 30));
    connect(Check3, &QCheckBox::toggled, this, [this](bool ticked) {
        MediaPlayer1->setDisplaySize(ticked ? Player::DisplaySize::Stretched : Player::DisplaySize::Own);
    });
    connect(Command2, &QPushButton::clicked, this, &Visore::leaveRequested);
    // Space keeps its meaning on "Scala" and "Esci" when they have the keyboard.
    Check3->installEventFilter(this);
    Command2->installEventFilter(this);
    buildFullScreenActions();
    resize(kViewerDesignSize);
}

// F, F11 or a double-click on the picture go full screen and back; Esc only comes back. The player's
// context menu offers them with its own.
void Visore::buildFullScreenActions() {
    m_fullScreen = new QAction(QStringLiteral("Schermo intero"), this);
    m_fullScreen->setCheckable(true);
    m_fullScreen->setShortcuts({Qt::Key_F, Qt::Key_F11});
    m_fullScreen->setShortcutContext(Qt::WindowShortcut);
    m_leaveFullScreen = new QAction(QStringLiteral("Esci dallo schermo intero"), this);
    m_leaveFullScreen->setShortcut(Qt::Key_Escape);
    m_leaveFullScreen->setShortcutContext(Qt::WindowShortcut);
    m_leaveFullScreen->setVisible(false);  // its key works only while it shows
    connect(m_fullScreen, &QAction::triggered, this, &Visore::toggleFullScreen);
    connect(m_leaveFullScreen, &QAction::triggered, this, &Visore::leaveFullScreen);
    connect(MediaPlayer1, &MediaPlayer::pictureDoubleClicked, this, &Visore::toggleFullScreen);
    MediaPlayer1->addActions({m_fullScreen, m_leaveFullScreen});
}

bool Visore::fullScreen() const {
    return m_leaveFullScreen->isVisible();
}

QPoint Visore::windowedPosition() const {
    return fullScreen() ? m_windowedGeometry.topLeft() : pos();
}

// The window's own record of full screen, not the window system's: without a window manager, nobody
// tells Qt that the window went full screen, and the window system neither fills the screen nor restores
// the place and size the window had.
void Visore::toggleFullScreen() {
    if (fullScreen()) {
        leaveFullScreen();
        return;
    }
    m_windowedGeometry = geometry();
    showFullScreen();
    setGeometry(screen()->geometry());
    setFullScreenShown(true);
}

void Visore::leaveFullScreen() {
    if (!fullScreen()) return;
    showNormal();
    setGeometry(m_windowedGeometry);
    setFullScreenShown(false);
}

void Visore::setFullScreenShown(bool shown) {
    m_fullScreen->setChecked(shown);
    m_leaveFullScreen->setVisible(shown);
}

bool Visore::scala() const {
    return Check3->isChecked();
}

void Visore::setScala(bool ticked) {
    Check3->setChecked(ticked);
}

void Visore::showTrackName(const QString& displayName) {
    setWindowTitle(QStringLiteral("[ZEB] ") + displayName);
}

void Visore::fitAroundPlayer() {
    if (!fullScreen()) resize(MediaPlayer1->size() + kViewerMargin);
}

void Visore::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const ViewerLayout layout = viewerLayout(size(), MediaPlayer1->size());
    MediaPlayer1->setGeometry(layout.player);
    Shape1->setGeometry(layout.outline);
    Check3->setGeometry(layout.scala);
    Command2->setGeometry(layout.esci);
}

bool Visore::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        event->accept();
    }
    return QWidget::eventFilter(watched, event);
}

// The close box does what "Esci" does.
void Visore::closeEvent(QCloseEvent* event) {
    event->ignore();
    Q_EMIT leaveRequested();
}
