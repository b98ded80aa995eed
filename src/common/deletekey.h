#pragma once

#include <functional>

class QWidget;

// Runs the action when the Delete key is pressed in the widget; the key goes no further.
void onDeleteKey(QWidget* widget, std::function<void()> action);
