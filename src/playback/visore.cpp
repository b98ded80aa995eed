#include "visore.h"

#include "looks.h"

#include <QCheckBox>

Visore::Visore() {
    setObjectName(QStringLiteral("Visore"));
    setWindowTitle(QStringLiteral("ZEB"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(369, 481);
    looks::paint(this, looks::kYellow, looks::kBlack);

    Check3 = new QCheckBox(QStringLiteral("Scala"), this);
    Check3->setObjectName(QStringLiteral("Check3"));
    Check3->setGeometry(16, 449, 81, 17);
}

bool Visore::scala() const {
    return Check3->isChecked();
}

void Visore::setScala(bool ticked) {
    Check3->setChecked(ticked);
}
