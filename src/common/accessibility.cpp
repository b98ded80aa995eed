#include "accessibility.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QPushButton>

namespace {

class WindowReading final : public QAccessibleWidget {
public:
    explicit WindowReading(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
};

// The choice is the selected line of the list that drops down, as the list shows it once dropped: it is
// kept selected there while the list is closed too, for screen readers to read.
class DropDownReading final : public QAccessibleWidget {
public:
    explicit DropDownReading(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {
        const auto selectChoice = [list] {
            list->view()->setCurrentIndex(list->model()->index(list->currentIndex(), list->modelColumn()));
        };
        QObject::connect(list, &QComboBox::currentIndexChanged, list, selectChoice);
        selectChoice();
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        return state;
    }
    // Its one child is the list that drops down.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

class ButtonReading final : public QAccessibleWidget {
public:
    explicit ButtonReading(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name:
                return button()->accessibleName().isEmpty() ? QString(button()->text()).remove(u'&')
                                                            : button()->accessibleName();
            case QAccessible::Description:
                return button()->accessibleDescription();
            default:
                return QAccessibleWidget::text(kind);
        }
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        if (const auto* push = qobject_cast<const QPushButton*>(button()))
            state.defaultButton = push->isDefault();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{button()->isCheckable() ? toggleAction() : pressAction()} +
               QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (!button()->isEnabled()) return;
        if (action == pressAction() || action == toggleAction()) {
            button()->animateClick();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// Asked for each class of the object, from its own up; only the classes named here are answered.
QAccessibleInterface* readingOf(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String("PictureButton") || className == QLatin1String("QPushButton") ||
        className == QLatin1String("QToolButton"))
        return new ButtonReading(static_cast<QAbstractButton*>(widget));
    if (className == QLatin1String("QComboBox")) return new DropDownReading(static_cast<QComboBox*>(widget));
    // A window of the program's own class, not a box or a menu (whose windows are dialogs and popups).
    const bool window =
        widget->windowType() == Qt::Window && className == QLatin1String(object->metaObject()->className());
    return window ? new WindowReading(widget) : nullptr;
}

}  // namespace

void installAccessibleReadings() {
    QAccessible::installFactory(readingOf);
}
