#pragma once

#include "dialogs.h"
#include "qtprinting.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

// Answers questions from a script and records every box the program showed, in order.
class FakeDialogs final : public Dialogs {
public:
    struct Box {
        enum class Kind { Question, Message, Input } kind;
        QString text;
        Icon icon = Icon::None;
        QString title = QStringLiteral("ZEB");
    };

    std::deque<bool> yesNoAnswers;
    std::deque<QString> textAnswers;
    std::vector<Box> shown;

    bool askYesNo(QWidget*, const QString& question) override {
        shown.push_back({Box::Kind::Question, question});
        if (yesNoAnswers.empty()) {
            ADD_FAILURE() << "unexpected question: " << question.toStdString();
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }

    void tell(QWidget*, const QString& message, Icon icon) override {
        shown.push_back({Box::Kind::Message, message, icon});
    }

    QString askText(QWidget*, const QString& prompt, const QString& title, const QString&) override {
        shown.push_back({Box::Kind::Input, prompt, Icon::None, title});
        if (textAnswers.empty()) {
            ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
            return {};
        }
        QString answer = textAnswers.front();
        textAnswers.pop_front();
        return answer;
    }
};
