#pragma once

#include "app/globals.h"
#include "app/main_window.h"
#include "platform/prompter.h"

#include <memory>
#include <vector>

namespace linkvale {

class TDBLogin1;
class TNewUser1;
class WindowShell;

// Every window of the program, built once at start in a fixed order (the
// main window first, so its creation sets up the state the others read).
class ProgramWindows {
public:
    ProgramWindows(Globals& globals, Prompter& prompter);
    ~ProgramWindows();

    TLinkvale1& mainWindow() { return *main_; }
    TDBLogin1& signOnWindow() { return *signOn_; }
    TNewUser1& newUserWindow() { return *newUser_; }

private:
    std::unique_ptr<TLinkvale1> main_;
    TDBLogin1* signOn_ = nullptr;
    TNewUser1* newUser_ = nullptr;
    std::vector<QWidget*> others_; // owned by the main window as their parent
};

} // namespace linkvale
