#include "platform/message_box_prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace linkvale {

QWidget* MessageBoxPrompter::parentWindow() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void MessageBoxPrompter::warning(const QString& text) {
    QMessageBox::warning(parentWindow(), QStringLiteral("Linkvale"), text, QMessageBox::Ok);
}

bool MessageBoxPrompter::question(const QString& text) {
    return QMessageBox::warning(parentWindow(), QStringLiteral("Linkvale"), text,
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::Yes) != QMessageBox::No;
}

void MessageBoxPrompter::error(const QString& text) {
    QMessageBox::critical(parentWindow(), QStringLiteral("Linkvale"), text, QMessageBox::Ok);
}

} // namespace linkvale
