#pragma once

#include "platform/prompter.h"

class QWidget;

namespace linkvale {

class MessageBoxPrompter : public Prompter {
public:
    void warning(const QString& text) override;
    bool question(const QString& text) override;
    void error(const QString& text) override;

private:
    static QWidget* parentWindow();
};

} // namespace linkvale
