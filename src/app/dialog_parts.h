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
// button, so Enter confirms. `cancelText` names the second button.
DialogButtons addDialogButtons(QBoxLayout* layout, QWidget* dialog,
                               const QString& cancelText = QStringLiteral("Cancel"));

// A word-wrapped explanatory text at the top of a window.
QLabel* dialogHeading(const QString& text, QWidget* parent);

} // namespace linkvale
