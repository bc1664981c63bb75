#pragma once

#include <QDialog>

namespace linkvale {

// Windows whose rooms are not built yet: each is made at start with its
// caption and stays hidden. The room that owns a window replaces its shell.
class WindowShell : public QDialog {
    Q_OBJECT
public:
    WindowShell(const QString& className, const QString& caption, QWidget* parent = nullptr);
};

} // namespace linkvale
