#pragma once

#include "hinttargets.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class QLabel;
class QWidget;

// The one-line hint at the foot of the main window: each movement of the pointer over a control shows
// that control's hint. Controls without a rule of their own follow their nearest container that has one.
class HintLine : public QObject {
    Q_OBJECT
public:
    HintLine(QLabel* label, QString idleText);

    void show(const QString& text);

    // Movement over a button shows its accessible name, over an idle area the idle text.
    void follow(const HintTargets& targets);

    // Follows pointer movement over the root and everything it holds; call once the controls exist.
    void watch(QWidget* root);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_label;
    QString m_idleText;
    QHash<const QWidget*, std::optional<QString>> m_rules;
};
