#include "app/window_shells.h"

namespace linkvale {

WindowShell::WindowShell(const QString& className, const QString& caption, QWidget* parent)
    : QDialog(parent) {
    setObjectName(className);
    setWindowTitle(caption);
}

} // namespace linkvale
