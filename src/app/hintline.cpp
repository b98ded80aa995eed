#include "hintline.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

HintLine::HintLine(QLabel* label, QString idleText)
    : QObject(label), m_label(label), m_idleText(std::move(idleText)) {}

void HintLine::show(const QString& text) {
    m_label->setText(text);
}

void HintLine::follow(const HintTargets& targets) {
    for (QAbstractButton* button : targets.buttons) m_rules.insert(button, button->accessibleName());
    for (QWidget* area : targets.idle) m_rules.insert(area, m_idleText);
    for (QWidget* control : targets.kept) m_rules.insert(control, std::nullopt);
}

void HintLine::watch(QWidget* root) {
    root->setMouseTracking(true);
    root->installEventFilter(this);
    for (QWidget* child : root->findChildren<QWidget*>()) {
        child->setMouseTracking(true);
        child->installEventFilter(this);
    }
}

bool HintLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove) return false;
    auto* widget = static_cast<QWidget*>(watched);
    // A move that a child ignored travels on to its parent: only the widget right under the pointer counts.
    if (widget->childAt(static_cast<QMouseEvent*>(event)->position().toPoint())) return false;
    for (const QWidget* control = widget; control; control = control->parentWidget()) {
        const auto rule = m_rules.constFind(control);
        if (rule == m_rules.constEnd()) continue;
        if (rule->has_value()) m_label->setText(**rule);
        break;
    }
    return false;
}
