#pragma once

#include "app/globals.h"
#include "app/main_window_state.h"
#include "store/options_record.h"
#include "store/tables.h"

#include <functional>

class QWidget;

namespace linkvale {

// Applies a user's options record to the running program and writes the
// record back: the whole record when the options are confirmed, the window
// placement when the main window closes.
class OptionsKeeper {
public:
    OptionsKeeper(Globals& globals, MainWindowState& state, Tables& tables, QWidget& mainWindow);

    // Routines of other rooms; an empty one is skipped.
    std::function<void(const QString&)> RunBrowser;
    std::function<void()> refreshOptionsWindow; // its Favorites folder box and style list
    std::function<void()> SetGridColor;

    // Applies the current record of the options table.
    void ApplyOptions();
    // Stores the options; the fields the main window keeps are taken from it,
    // the rest (the options window's boxes) from `values`.
    void UpDateOptionsFile(OptionsValues values);
    // Stores the main window's placement when the user has an options record.
    void UpDatePositions();

private:
    void openStartList(const QString& listName);
    void placeMainWindow();

    Globals& globals_;
    MainWindowState& state_;
    Tables& tables_;
    QWidget& mainWindow_;
};

// Moves and sizes a top-level window, ignoring a size that is not positive and
// a position that would put the window outside every screen.
void placeWindow(QWidget& window, int left, int top, int height, int width);

} // namespace linkvale
