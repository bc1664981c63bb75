#pragma once

#include "app/globals.h"
#include "app/main_window_state.h"
#include "platform/prompter.h"
#include "store/table_openers.h"
#include "store/tables.h"

#include <functional>

namespace linkvale {

// The routines the opening of a user's tables calls in their place. The rooms
// that own them fill them in; an empty one is skipped.
struct OpeningSteps {
    std::function<void()> LoadListTiles;
    std::function<void()> LoadListSchedule;
    std::function<void()> LoadGroupLists;
    std::function<void()> LoadPriorityLists;
    std::function<void()> ApplyOptions;
    std::function<void()> LoadSearchEngineList;
    std::function<void()> ReloadFolderTiles; // after the folder table opens
    std::function<void()> LoadFavFolders;
    std::function<void()> SelectCurrentFolder;
    std::function<void()> ShowFolderKind;
    std::function<void()> SetOptions2;
    std::function<void()> ShowPassword;
    std::function<void()> SelectEmailRootFolder; // first entry of LISTEMFLDR
};

// Signing a user on and opening that user's tables.
class UserSession {
public:
    UserSession(Globals& globals, MainWindowState& state, Tables& tables, Prompter& prompter);

    enum class Outcome { SignedOn, Cancelled, Failed };

    // Shows the sign-on window; false when it was left with Cancel.
    std::function<bool()> signOn;
    std::function<void(const QString&)> setCaption;
    QString signedOnCaption; // the caption that the user's name follows
    OpeningSteps steps;

    // Closes the current user's tables, signs a user on and opens that user's
    // tables. Cancelled means the program must end; Failed that a table could
    // not be read or written (the message has been shown, files kept).
    Outcome ChangeUsers();

    // Opens the user table and checks USER_ID and PASSWORD. While a user is
    // being signed on the caption shows the user table's path; the user
    // windows that only need the table open leave the caption alone.
    bool OpenDataFile(bool showPathInCaption = true);
    // Closes (and so writes) every table of the user's data folder.
    void closeUserTables();
    // The second half of a user change, from the first table to the last step.
    void runOpeningSequence();

    TableOpeners& openers() { return openers_; }
    Tables& tables() { return tables_; }

private:
    void restrictListMembersToCurrentList();
    void filterAttachmentsToCurrentEmail();
    static void run(const std::function<void()>& step) {
        if (step)
            step();
    }

    Globals& globals_;
    MainWindowState& state_;
    Tables& tables_;
    Prompter& prompter_;
    TableOpeners openers_;
};

} // namespace linkvale
