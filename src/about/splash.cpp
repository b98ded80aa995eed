#include "splash.h"

#include "controls.h"
#include "dialogs.h"
#include "looks.h"
#include "picture.h"
#include "picturebutton.h"
#include "twips.h"
#include "version.h"

#include <QEvent>
#include <QLabel>

namespace {

const QString kHomePage = QStringLiteral("https://zeb.example.org");
const QString kMailAddress = QStringLiteral("info@zeb.example.org");

// The desktop's font may run wider than the one the layout was drawn for: narrow it rather than cut the text.
void condenseToFit(QLabel* label) {
    QFont font = label->font();
    font.setStretch(QFont::Unstretched);
    const int needed = QFontMetrics(font).horizontalAdvance(label->text());
    if (needed > label->width()) font.setStretch(std::max(50, 100 * label->width() / needed));
    label->setFont(font);
}

}  // namespace

Splash::Splash(Dialogs& dialogs, LinkOpener openLink)
    : SecondaryWindow(Qt::Window | Qt::FramelessWindowHint),
      m_dialogs(dialogs),
      m_openLink(std::move(openLink)) {
    setObjectName(QStringLiteral("Splash"));
    setFixedSize(twipsRect(0, 0, 5985, 6540).size());
    looks::paint(this, looks::kYellow, looks::kBlack);
    buildPictures();
    buildTexts();
    Command1 = place(
        new PictureButton(QStringLiteral(":/pictures/about_close.svg"), QStringLiteral("Torna a ZEB"), this),
        QStringLiteral("Command1"), twipsRect(4080, 5280, 1815, 1185));
    connect(Command1, &QPushButton::clicked, this, &Splash::leave);
}

void Splash::buildPictures() {
    const auto picture = [this](const QString& name, const QString& resource, const QRect& geometry) {
        return place(new Picture(resource, this), name, geometry);
    };
    Image2 = picture(QStringLiteral("Image2"), QStringLiteral(":/pictures/about_large.svg"),
                     twipsRect(120, 120, 5820, 4800));
    Image3 = picture(QStringLiteral("Image3"), QStringLiteral(":/pictures/about_corner.svg"),
                     twipsRect(110, 5280, 960, 1155));
    Image1 = picture(QStringLiteral("Image1"), QStringLiteral(":/pictures/about_small.svg"),
                     twipsRect(120, 60, 480, 480));
    const auto outline = [this](const QString& name, const QRect& geometry) {
        return place(new Outline(looks::kRed, this), name, geometry);
    };
    Shape3 = outline(QStringLiteral("Shape3"), twipsRect(0, 0, 5980, 5175));
    Shape1 = outline(QStringLiteral("Shape1"), twipsRect(0, 0, 735, 615));
    Shape2 = outline(QStringLiteral("Shape2"), twipsRect(5250, 0, 735, 615));
}

void Splash::buildTexts() {
    Label2 = label(QStringLiteral("Label2"), kZebVersion, looks::kCyan, 12, twipsRect(5385, 150, 495, 375));
    Label5 =
        label(QStringLiteral("Label5"), kHomePage, looks::kMagenta, 9.75, twipsRect(840, 4680, 4215, 255));
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("ZEB"), looks::kGreen, 12,
                   twipsRect(1080, 5280, 3015, 255));
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("Musica e video"), looks::kYellow, 12,
                   twipsRect(1080, 5600, 3015, 375));
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("dal team di ZEB"), looks::kYellow, 12,
                   twipsRect(1080, 5860, 3015, 375));
    Label6 =
        label(QStringLiteral("Label6"), kMailAddress, looks::kCyan, 8.25, twipsRect(1080, 6200, 3015, 255));
    for (QLabel* link : {Label5, Label6}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
}

QLabel* Splash::label(const QString& name, const QString& text, const QColor& colour, qreal points,
                      const QRect& geometry) {
    auto* control = place(new QLabel(text, this), name, geometry);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    control->setFont(looks::boldFont(points));
    looks::paintText(control, colour);
    return control;
}

bool Splash::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Label5) open(QUrl(kHomePage));
        if (watched == Label6) open(QUrl(QStringLiteral("mailto:") + kMailAddress));
    }
    return QWidget::eventFilter(watched, event);
}

void Splash::open(const QUrl& link) {
    if (m_openLink(link)) return;
    m_dialogs.tell(
        this,
        QStringLiteral("Impossibile aprire %1: il desktop non ha un programma per questo collegamento.")
            .arg(link.toString()),
        Dialogs::Icon::Warning);
}

void Splash::showEvent(QShowEvent* event) {
    SecondaryWindow::showEvent(event);
    // Measured only when shown, so that fonts the start-up does not need are not loaded then.
    for (QLabel* label : {Label2, Label5, Label1, Label3, Label4, Label6}) condenseToFit(label);
}
