#include "visore.h"

#include "controls.h"
#include "looks.h"
#include "mediaplayer.h"
#include "picture.h"
#include "viewerlayout.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>

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
    resize(kViewerDesignSize);
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
    resize(MediaPlayer1->size() + kViewerMargin);
}

void Visore::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const ViewerLayout layout = viewerLayout(size(), MediaPlayer1->size());
    MediaPlayer1->setGeometry(layout.player);
    Shape1->setGeometry(layout.outline);
    Check3->setGeometry(layout.scala);
    Command2->setGeometry(layout.esci);
}

// The close box does what "Esci" does.
void Visore::closeEvent(QCloseEvent* event) {
    event->ignore();
    Q_EMIT leaveRequested();
}
