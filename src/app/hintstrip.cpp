#include "hintstrip.h"

#include "controls.h"
#include "hintline.h"
#include "looks.h"
#include "picture.h"
#include "twips.h"
#include "version.h"

#include <QLabel>

HintStrip::HintStrip(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("frame"));
    setGeometry(twipsRect(120, 6120, 7335, 495));
    setAccessibleName(QStringLiteral("Suggerimenti"));
    looks::paint(this, looks::kCyan, looks::kBlue);
    Image1 = place(new Picture(QStringLiteral(":/pictures/hintstrip.svg"), this), QStringLiteral("Image1"),
                   twipsRect(30, 125, 7275, 345));
    const QString idleText =
        QStringLiteral("ZEB %1 - Organizzatore e lettore di file audio e video").arg(kZebVersion);
    aiuto = place(new QLabel(idleText, this), QStringLiteral("aiuto"), twipsRect(120, 180, 6735, 195));
    aiuto->setAccessibleDescription(QStringLiteral("Suggerimento"));
    aiuto->setFont(looks::boldFont(8.25));
    looks::paintText(aiuto, looks::kCyan);
    m_hints = new HintLine(aiuto, idleText);
}
