#pragma once

#include "platform/prompter.h"

#include <QStringList>

#include <deque>

namespace linkvale::testing {

// Records every message box and answers the questions from a script (Yes when
// the script has run out).
class ScriptedPrompter : public Prompter {
public:
    void warning(const QString& text) override { warnings.append(text); }
    bool question(const QString& text) override {
        questions.append(text);
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void error(const QString& text) override { errors.append(text); }

    QStringList warnings;
    QStringList questions;
    QStringList errors;
    std::deque<bool> answers;
};

} // namespace linkvale::testing
