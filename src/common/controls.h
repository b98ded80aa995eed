#pragma once

#include "looks.h"

#include <QRect>
#include <QString>

// Names a control (its objectName is the name the program's code knows it by) and puts it at its
// fixed place; no code ever moves it again.
template <typename Control>
Control* place(Control* control, const QString& name, const QRect& geometry) {
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// The drive, folder, file and list boxes: bold 8.25-point text of their colour on black. Their
// accessible name tells screen readers, and tests, which list is which.
template <typename Control>
Control* placeListBox(Control* control, const QString& name, const QString& accessibleName,
                      const QRect& geometry, const QColor& text) {
    place(control, name, geometry);
    control->setAccessibleName(accessibleName);
    control->setFont(looks::boldFont(8.25));
    looks::paint(control, text, looks::kBlack);
    return control;
}
