#pragma once

#include <vector>

class QAbstractButton;
class QWidget;

// Where a hint line looks: buttons with a hint of their own (their accessible name), areas that show the
// idle text, and controls that leave the hint as it is. A panel hands these over instead of its widgets.
struct HintTargets {
    std::vector<QAbstractButton*> buttons;
    std::vector<QWidget*> idle;
    std::vector<QWidget*> kept;
};
