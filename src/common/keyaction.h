#pragma once

#include <QKeySequence>

#include <functional>
#include <initializer_list>

class QWidget;

// Runs the action when one of the keys (without modifiers) is pressed in the widget; the key goes no
// further.
void onKeys(QWidget* widget, std::initializer_list<Qt::Key> keys, std::function<void()> action);

// Delete: what removes the selected line.
void onDeleteKey(QWidget* widget, std::function<void()> action);
// Enter, on the main keyboard or the keypad: what a double-click on the current line does.
void onEnterKey(QWidget* widget, std::function<void()> action);
