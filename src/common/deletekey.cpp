#include "deletekey.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class DeleteKeyFilter final : public QObject {
public:
    DeleteKeyFilter(QWidget* widget, std::function<void()> action)
        : QObject(widget), m_action(std::move(action)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Delete)
            return false;
        m_action();
        return true;
    }

private:
    std::function<void()> m_action;
};

}  // namespace

void onDeleteKey(QWidget* widget, std::function<void()> action) {
    new DeleteKeyFilter(widget, std::move(action));
}
