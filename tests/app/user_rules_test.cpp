#include "app/user_rules.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace linkvale;

namespace {

TEST(ValidateNewUser, RefusesWithTheFirstProblemAndPointsAtItsBox) {
    QTemporaryDir root;
    // A user folder that still holds the previous version's database.
    QDir().mkpath(root.filePath(QStringLiteral("Old")));
    QFile old(root.filePath(QStringLiteral("Old/IntNetDB.MDB")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.close();

    struct Case {
        QString name, password, confirmation;
        QString expected; // empty: accepted
        NewUserBox box;
    };
    const auto U = NewUserBox::UserName;
    const auto P = NewUserBox::Password;
    const auto C = NewUserBox::Confirmation;
    const Case cases[] = {
        {"Guest1", "", "", "", U},
        {"Guest1", "Pass", "Pass", "", U},
        {"  ", "", "", "    User ID cannot be blank.", U},
        {"Old", "", "", "       User ID - Old already present.", U},
        {"Guest1", "", "x", "    Password cannot be Blank and Confirm Password not Blank.", P},
        {"Guest1", "x", " ", "    Confirm Password cannot be Blank while Password is not Blank.",
         C},
        {"Guest1", "Pass", "pass", "    Confirm Password must be equal to Password.", C},
        {"Guest1", "Pass ", "Pass", "    Confirm Password must be equal to Password.", C},
        {"a/b", "", "",
         "    User ID - a/b cannot be the name of a folder. Leave out \"/\" and "
         "control characters.",
         U},
        {"..", "", "",
         "    User ID - .. cannot be the name of a folder. Leave out \"/\" and "
         "control characters.",
         U},
        {"tab\there", "", "",
         "    User ID - tab\there cannot be the name of a folder. Leave out "
         "\"/\" and control characters.",
         U},
        {QString(26, QLatin1Char('n')), "", "", "    User ID cannot be longer than 25 characters.",
         U},
        {"Guest1", QString(26, QLatin1Char('p')), QString(26, QLatin1Char('p')),
         "    Password cannot be longer than 25 characters.", P},
    };
    for (const Case& c : cases) {
        const auto problem = ValidateNewUser(c.name, c.password, c.confirmation, root.path(),
                                             QStringLiteral("Samples"));
        if (c.expected.isEmpty()) {
            EXPECT_FALSE(problem.has_value())
                << c.name.toStdString() << ": " << problem->message.toStdString();
            continue;
        }
        ASSERT_TRUE(problem.has_value()) << c.name.toStdString();
        EXPECT_EQ(problem->message, c.expected);
        EXPECT_EQ(problem->box, c.box) << c.expected.toStdString();
    }
    EXPECT_FALSE(ValidateNewUser(QStringLiteral("Old"), {}, {}, root.path(), QStringLiteral("Old")))
        << "the signed-on user may be created again";
}

TEST(UsersWindowEntry, NamesTheUserThePasswordKindAndTheDay) {
    const QDateTime when(QDate(2026, 3, 4), QTime(10, 0));
    const QString day = QLocale::system().toString(when.date(), QLocale::ShortFormat);
    EXPECT_EQ(userEntryText(QStringLiteral("Guest1"), true, when),
              QStringLiteral("Guest1 -  Uses Password  - ") + day);
    EXPECT_EQ(userEntryText(QStringLiteral("Pat"), false, when),
              QStringLiteral("Pat -  No Password  - ") + day);

    struct Case {
        const char* entry;
        const char* name;
    };
    for (const Case& c : {Case{"Guest1 -  Uses Password  - 3/4/26", "Guest1"},
                          Case{"Mary-Ann -  No Password  - 3/4/26", "Mary-Ann"},
                          Case{"NoSeparator", "NoSeparator"}, Case{"", ""}})
        EXPECT_EQ(chosenUserName(QString::fromLatin1(c.entry)), QString::fromLatin1(c.name));
}

} // namespace
