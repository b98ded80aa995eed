#include "keyaction.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

class KeyFilter final : public QObject {
public:
    KeyFilter(QWidget* widget, std::vector<Qt::Key> keys, std::function<void()> action)
        : QObject(widget), m_keys(std::move(keys)), m_action(std::move(action)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool keypad = key->modifiers() == Qt::KeypadModifier;
        if ((key->modifiers() != Qt::NoModifier && !keypad) ||
            std::find(m_keys.begin(), m_keys.end(), key->key()) == m_keys.end())
            return false;
        m_action();
        return true;
    }

private:
    std::vector<Qt::Key> m_keys;
    std::function<void()> m_action;
};

}  // namespace

void onKeys(QWidget* widget, std::initializer_list<Qt::Key> keys, std::function<void()> action) {
    new KeyFilter(widget, keys, std::move(action));
}

void onDeleteKey(QWidget* widget, std::function<void()> action) {
    onKeys(widget, {Qt::Key_Delete}, std::move(action));
}

void onEnterKey(QWidget* widget, std::function<void()> action) {
    onKeys(widget, {Qt::Key_Return, Qt::Key_Enter}, std::move(action));
}
