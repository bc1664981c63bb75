#include "app/program_windows.h"

#include "app/new_user_dialog.h"
#include "app/sign_on_dialog.h"
#include "app/update_user_dialog.h"
#include "app/users_dialog.h"
#include "app/window_shells.h"

namespace linkvale {

ProgramWindows::ProgramWindows(Globals& globals, Prompter& prompter)
    : main_(std::make_unique<TLinkvale1>(globals, prompter)) {
    TLinkvale1& main = *main_;
    const auto shell = [&](const char* className, const char* caption) {
        auto* window =
            new WindowShell(QString::fromLatin1(className), QString::fromLatin1(caption), &main);
        others_.push_back(window);
        return window;
    };
    TLinkvale1::UserWindows users;
    users.newUser = new TNewUser1(globals, main.state(), main.session(), prompter, &main);
    users.signOn = new TDBLogin1(globals, &main);
    shell("TEMailRng1", "Select EMail Range for Display");
    users.help = shell("THelpWin1", "Help with Linkvale");
    shell("TSetOptn1", "Linkvale Options");
    users.users = main.buildUsersWindow();
    users.updateUser = main.buildUpdateUserWindow();
    shell("TPrntRpt1", "Print Linkvale Reports");
    shell("THtmlExt1", "HTML Extract");
    shell("TAddFolder1", "Add Folder");
    shell("TADDUrl1", "Add Url To...");
    shell("TQuikStart1", "Getting Started");
    shell("TExpPswd1", "Export Passwords");
    shell("TImpPswd1", "Import Passwords");
    others_.insert(others_.begin(), {users.newUser, users.signOn, users.users, users.updateUser});
    main.attachUserWindows(users);
    signOn_ = users.signOn;
    newUser_ = users.newUser;
}

ProgramWindows::~ProgramWindows() = default;

} // namespace linkvale
