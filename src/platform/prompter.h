#pragma once

#include <QString>

namespace linkvale {

// Every message box of the program goes through this, so the windows can be
// driven by tests that read the texts and give the answers.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A warning box with an OK button.
    virtual void warning(const QString& text) = 0;
    // A warning box with Yes and No; false only when the answer is No.
    virtual bool question(const QString& text) = 0;
    // The general error box for a failure the running operation cannot handle.
    virtual void error(const QString& text) = 0;
};

} // namespace linkvale
