#include "app/user_rules.h"

#include <QFile>
#include <QLocale>

namespace linkvale {

namespace {
// The widths of the UserName and Password fields of the user table: a longer
// text would be cut on storing and the user could never sign on again.
constexpr int userNameWidth = 25;
} // namespace

QString userEntryText(const QString& name, bool usesPassword, const QDateTime& lastUpdated) {
    const QString kind =
        usesPassword ? QStringLiteral(" Uses Password ") : QStringLiteral(" No Password ");
    return name + QStringLiteral(" - ") + kind + QStringLiteral(" - ") +
           QLocale::system().toString(lastUpdated.date(), QLocale::ShortFormat);
}

QString chosenUserName(const QString& entryText) {
    const qsizetype end = entryText.indexOf(QStringLiteral(" - "));
    return end < 0 ? entryText : entryText.left(end);
}

bool isUsableFolderName(const QString& name) {
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QChar(0) || c.category() == QChar::Other_Control)
            return false;
    }
    return !name.toUtf8().isEmpty() && name.toUtf8().size() <= 255;
}

std::optional<NewUserProblem> ValidateNewUser(const QString& name, const QString& password,
                                              const QString& confirmation, const QString& rootPath,
                                              const QString& currentUserId) {
    if (name.trimmed().isEmpty())
        return NewUserProblem{QStringLiteral("    User ID cannot be blank."), NewUserBox::UserName};
    if (!isUsableFolderName(name))
        return NewUserProblem{QStringLiteral("    User ID - ") + name +
                                  QStringLiteral(" cannot be the name of a folder. Leave out "
                                                 "\"/\" and control characters."),
                              NewUserBox::UserName};
    if (name.size() > userNameWidth)
        return NewUserProblem{QStringLiteral("    User ID cannot be longer than 25 characters."),
                              NewUserBox::UserName};
    const QString oldDatabase =
        rootPath + QStringLiteral("/") + name + QStringLiteral("/IntNetDB.MDB");
    if (QFile::exists(oldDatabase) && name != currentUserId)
        return NewUserProblem{QStringLiteral("       User ID - ") + name +
                                  QStringLiteral(" already present."),
                              NewUserBox::UserName};
    const bool noPassword = password.trimmed().isEmpty();
    const bool noConfirmation = confirmation.trimmed().isEmpty();
    if (noPassword && !noConfirmation)
        return NewUserProblem{
            QStringLiteral("    Password cannot be Blank and Confirm Password not Blank."),
            NewUserBox::Password};
    if (!noPassword && noConfirmation)
        return NewUserProblem{
            QStringLiteral("    Confirm Password cannot be Blank while Password is not Blank."),
            NewUserBox::Confirmation};
    if (password != confirmation)
        return NewUserProblem{QStringLiteral("    Confirm Password must be equal to Password."),
                              NewUserBox::Confirmation};
    if (password.size() > userPasswordWidth)
        return NewUserProblem{QStringLiteral("    Password cannot be longer than 25 characters."),
                              NewUserBox::Password};
    return std::nullopt;
}

} // namespace linkvale
