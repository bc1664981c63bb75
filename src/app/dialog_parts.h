#pragma once

#include <QString>

class QBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace linkvale {

struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QPushButton* help;
};

// The OK / Cancel / Help row the user windows end with; OK is the default
// button, so Enter confirms.
DialogButtons addDialogButtons(QBoxLayout* layout, QWidget* dialog);

// A word-wrapped explanatory text at the top of a window.
QLabel* dialogHeading(const QString& text, QWidget* parent);

} // namespace linkvale
