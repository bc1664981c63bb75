#include "store/table_openers.h"

#include "store/password_scrambler.h"
#include "store_test_support.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace linkvale;
using namespace linkvale::testing;

namespace {

// A program folder with one user's data folder below it.
class TableOpenersTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = dir.path();
        current = root + QStringLiteral("/Guest1");
        QDir().mkdir(current);
        state.now = [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 5, 7)); };
    }

    void addUser(const QString& name, bool usePassword, const QString& password) {
        Table& users = tables.ClientDataSet1;
        users.setFileName(root + QStringLiteral("/Users.cds"));
        if (!users.isOpen())
            users.createEmpty();
        appendUserRecord(users, name, passwordScrambler().ConvertPassword(password), usePassword,
                         state.now());
    }

    void openUserFolder() {
        openers.OpenDataFile2();
        openers.OpenDataFile3();
        openers.OpenDataFile4();
        openers.OpenDataFile5();
        openers.OpenDataFile6();
        openers.OpenDataFile7();
        openers.OpenDataFile8();
        openers.OpenDataFile10();
        openers.OpenDataFile11();
        openers.OpenDataFile12();
        openers.OpenDataFile13();
    }

    QTemporaryDir dir;
    QString root, current, delim = QStringLiteral("/");
    qint64 wkRecId = 1;
    RecordRuleState state;
    Tables tables{state};
    TableOpeners openers{tables, state, TableOpeners::Paths{root, current, delim}, wkRecId};
};

TEST_F(TableOpenersTest, FirstRunMakesTheUserTableWithWhoeverSignsOn) {
    struct Case {
        QString asked;
        QString expectedUser;
    };
    for (const Case& c : {Case{QString(), QStringLiteral("Samples")},
                          Case{QStringLiteral("Guest1"), QStringLiteral("Guest1")}}) {
        tables.ClientDataSet1.close();
        QFile::remove(root + QStringLiteral("/Users.cds"));
        QString user = c.asked;
        EXPECT_TRUE(openers.OpenDataFile(user, QStringLiteral("typed anything")));
        EXPECT_EQ(user, c.expectedUser);
        Table& users = tables.ClientDataSet1;
        EXPECT_TRUE(QFile::exists(root + QStringLiteral("/Users.cds")));
        ASSERT_EQ(users.recordCount(), 1);
        EXPECT_EQ(users.text(QStringLiteral("UserName")), c.expectedUser);
        EXPECT_FALSE(users.field(QStringLiteral("UsePassword")).toBool());
        EXPECT_EQ(users.text(QStringLiteral("Password")), QString());
        EXPECT_EQ(users.text(QStringLiteral("DateCreated")), QStringLiteral("20261211957"));
    }
}

TEST_F(TableOpenersTest, SignOnMatchesNamesAndPasswordsExactly) {
    addUser(QStringLiteral("Guest1"), true, QStringLiteral("Secret9"));
    addUser(QStringLiteral("Open"), false, QStringLiteral("whatever"));
    tables.ClientDataSet1.close();
    struct Case {
        const char* user;
        const char* password;
        bool accepted;
    };
    const Case cases[] = {
        {"Guest1", "Secret9", true}, {"Guest1", "secret9", false}, {"guest1", "Secret9", false},
        {"Guest1", "", false},       {"Open", "", true},           {"Open", "anything", true},
        {"Nobody", "", false},
    };
    for (const Case& c : cases) {
        QString user = QString::fromLatin1(c.user);
        EXPECT_EQ(openers.OpenDataFile(user, QString::fromLatin1(c.password)), c.accepted)
            << c.user << " / " << c.password;
        EXPECT_EQ(user, QString::fromLatin1(c.user));
    }
}

TEST_F(TableOpenersTest, AnEmptyFolderGetsEveryTableTheOptionsFileAndTheThirteenGroups) {
    int reloads = 0;
    openers.reloadFolderTiles = [&] { ++reloads; };
    state.SKIP_FLG = true;
    openUserFolder();
    EXPECT_EQ(reloads, 1);
    EXPECT_FALSE(state.SKIP_FLG) << "the group seeding clears the flag";
    EXPECT_TRUE(QFile::exists(current + QStringLiteral("/Options.cds")));
    EXPECT_TRUE(QFile::exists(current + QStringLiteral("/Group.cds")));
    EXPECT_FALSE(QFile::exists(current + QStringLiteral("/Urls.cds"))) << "written when closed";

    Table& groups = tables.ClientDataSet8;
    EXPECT_EQ(
        walk(groups, QStringLiteral("GroupName")),
        (QStringList{"Art", "Business", "Computers", "Downloads", "Finance", "Games", "Health",
                     "Internet", "Music", "News", "Social Media", "Travel", "Videos"}));
    ASSERT_TRUE(groups.locate(QStringLiteral("GroupName"), QStringLiteral("Social Media")));
    EXPECT_EQ(groups.text(QStringLiteral("Description")),
              QStringLiteral("Social Media Description"));
    groups.setSortKey(QStringLiteral("ID"));
    EXPECT_EQ(walk(groups, QStringLiteral("GroupName")).mid(0, 3),
              (QStringList{"Art", "Business", "Computers"}));

    for (Table* table : tables.userTables())
        table->close();
    for (const char* file : {"Urls.cds", "Passwords.cds", "Lists.cds", "ListDetl.cds", "EMail.cds",
                             "EMailAddr.cds", "PagAnyls.cds", "Search.cds", "FavFolders.cds"})
        EXPECT_TRUE(QFile::exists(current + QLatin1Char('/') + QLatin1String(file))) << file;
    EXPECT_FALSE(QFile::exists(current + QStringLiteral("/EMailAtth.cds")));
}

TEST_F(TableOpenersTest, AnEmptiedGroupTableIsSeededAgainAndAKeptOneIsNot) {
    openers.OpenDataFile8();
    Table& groups = tables.ClientDataSet8;
    while (!groups.isEmpty())
        groups.deleteRecord();
    addRecord(groups, {{"GroupName", QStringLiteral("Mine")}});
    groups.close();
    openers.OpenDataFile8();
    EXPECT_EQ(walk(groups, QStringLiteral("GroupName")), QStringList{"Mine"});

    groups.deleteRecord();
    groups.close();
    openers.OpenDataFile8();
    EXPECT_EQ(groups.recordCount(), 13);
}

TEST_F(TableOpenersTest, OpeningBookmarksRemembersTheCurrentOne) {
    wkRecId = 99;
    openers.OpenDataFile2();
    EXPECT_EQ(wkRecId, 99) << "an empty table leaves it";
    Table& urls = tables.ClientDataSet2;
    for (const char* url : {"https://c.example/", "https://b.example/", "https://a.example/"})
        addRecord(urls, {{"URL", QLatin1String(url)}});
    ASSERT_TRUE(urls.locate(QStringLiteral("ID"), 1));
    urls.deleteRecord();
    urls.close();
    openers.OpenDataFile2();
    EXPECT_EQ(urls.sortKey(), QStringLiteral("URL"));
    EXPECT_EQ(wkRecId, urls.field(QStringLiteral("ID")).toLongLong());
    EXPECT_NE(wkRecId, 99);
}

TEST_F(TableOpenersTest, AnUnreadableTableIsRefusedByNameAndKeptAsItWas) {
    const QString path = current + QStringLiteral("/Urls.cds");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray garbage("this is not a table file\n", 25);
    file.write(garbage);
    file.close();

    expectTableError([&] { openers.OpenDataFile2(); }, QStringLiteral("Urls.cds"));
    for (Table* table : tables.userTables())
        table->close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}

TEST_F(TableOpenersTest, TransferTablesLiveInTheProgramFolder) {
    openers.OpenDataFile14();
    openers.OpenDataFile15();
    addRecord(tables.ClientDataSet14, {{"ListName", QStringLiteral("Daily")}});
    openers.OpenDataFile14(); // reopening writes the open table first
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("/TranLists.cds")));
    EXPECT_EQ(tables.ClientDataSet14.recordCount(), 1);
    tables.ClientDataSet15.close();
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("/TranBookMrks.cds")));
}

} // namespace
