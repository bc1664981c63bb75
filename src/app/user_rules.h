#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace linkvale {

// The box a refused new user sends the focus back to.
enum class NewUserBox { UserName, Password, Confirmation };

struct NewUserProblem {
    QString message;
    NewUserBox box;
};

// Checks a new user's name and passwords in the order the New User window
// asks them; the first problem found is returned. `rootPath` is the program
// folder (the user's folder lies below it), `currentUserId` the signed-on user.
std::optional<NewUserProblem> ValidateNewUser(const QString& name, const QString& password,
                                              const QString& confirmation, const QString& rootPath,
                                              const QString& currentUserId);

// The password width of the user table; a longer password would be cut on
// storing and never match again.
constexpr int userPasswordWidth = 25;

// The text of a user's entry in the Users window, for example
// "Guest1 -  Uses Password  - 12/11/26".
QString userEntryText(const QString& name, bool usesPassword, const QDateTime& lastUpdated);

// The user name an entry of the Users window stands for: its text up to the
// first " - ".
QString chosenUserName(const QString& entryText);

// True when the name can be the name of a folder directly below the program
// folder, on every file system the program writes to.
bool isUsableFolderName(const QString& name);

} // namespace linkvale
