#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// The program's bright-on-dark colours and its bold sans-serif fonts.
namespace looks {

inline const QColor kBlack{0, 0, 0};
inline const QColor kBlue{0, 0, 192};
inline const QColor kNavy{0, 0, 128};
inline const QColor kTeal{0, 128, 128};
inline const QColor kRed{255, 0, 0};
inline const QColor kGreen{0, 255, 0};
inline const QColor kYellow{255, 255, 0};
inline const QColor kCyan{0, 255, 255};
inline const QColor kMagenta{255, 0, 255};

// Text and background of a widget, whatever kind it is (window, list, frame, label, check box).
void paint(QWidget* widget, const QColor& text, const QColor& background);
// Check boxes and option buttons: their text on the background, their boxes white with a black mark.
void paintOption(QWidget* widget, const QColor& text, const QColor& background);
// Text colour only; the widget shows its parent's background.
void paintText(QWidget* widget, const QColor& text);
// The desktop's sans-serif font, bold, at the given size in points.
QFont boldFont(qreal points);

}  // namespace looks
