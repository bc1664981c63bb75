#pragma once

#include <QString>

namespace linkvale {

// The program's own look: the base style sheet compiled into the program.
QString baseStyleSheet();

// Loads a style file (a Qt style sheet) as the application-wide style, on top
// of the base look. A file that does not exist or cannot be read is skipped
// and the current style stays; false then.
bool applyStyleFile(const QString& path);

} // namespace linkvale
