#include "store/options_record.h"

#include "store/table_definitions.h"
#include "store_test_support.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace linkvale;
using namespace linkvale::testing;

namespace {

class OptionsRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        options.setFileName(dir.filePath(QStringLiteral("Options.cds")));
        options.createEmpty();
    }
    QTemporaryDir dir;
    Table options{TableDefinitions::options()};
};

TEST_F(OptionsRecordTest, OnlyFilledFieldsCountAsSet) {
    addRecord(options, {{"StyleLocation", QString()},
                        {"UseVertGrid", false},
                        {"URLIconPath", QStringLiteral("   ")},
                        {"PasswordIconPath", QStringLiteral("  /icons/key.png ")},
                        {"StartURL", QString()},
                        {"StartList", QStringLiteral("Morning")},
                        {"WinLeft", 40},
                        {"DefltGroup", QString()},
                        {"TileBkgClr", qint64(-3318692)}, // 0xFFCD5C5C as a signed 32-bit value
                        {"NumGMails", 40}});
    const OptionsRecord r = readOptionsRecord(options);
    EXPECT_EQ(r.styleLocation, QString()) << "an empty style name is still a name";
    EXPECT_EQ(r.runBrowser, false);
    EXPECT_FALSE(r.horizontalGrid.has_value());
    EXPECT_FALSE(r.urlIcon.has_value()) << "blanks only";
    EXPECT_EQ(r.passwordIcon, QStringLiteral("/icons/key.png"));
    EXPECT_FALSE(r.startUrl.has_value());
    EXPECT_EQ(r.startList, QStringLiteral("Morning"));
    EXPECT_EQ(r.winLeft, 40);
    EXPECT_FALSE(r.winTop.has_value());
    EXPECT_FALSE(r.defaultGroup.has_value());
    EXPECT_EQ(r.tileColor, 0xFFCD5C5Cu);
    EXPECT_FALSE(r.tileTextColor.has_value());
    EXPECT_EQ(r.sourceSearchStart, 40);
    EXPECT_FALSE(r.favoritesPath.has_value());
}

TEST_F(OptionsRecordTest, TheRecordIsWrittenOnceThenEditedAndKeepsThePlacementApart) {
    EXPECT_FALSE(writeWindowPlacement(options, {1, 2, 3, 4})) << "no record: nothing stored";
    EXPECT_FALSE(QFile::exists(options.fileName()));

    OptionsValues values;
    values.styleLocation = QStringLiteral("Night.Style");
    values.defaultGroup = QStringLiteral("News");
    values.tileColor = 0xFF102030;
    writeOptionsRecord(options, values);
    ASSERT_TRUE(QFile::exists(options.fileName()));
    EXPECT_TRUE(options.isNull(QStringLiteral("WinLeft")));

    EXPECT_TRUE(writeWindowPlacement(options, {150, 120, 700, 1200}));
    values.defaultGroup = QStringLiteral("Travel");
    writeOptionsRecord(options, values);

    options.close();
    options.open();
    ASSERT_EQ(options.recordCount(), 1);
    const OptionsRecord r = readOptionsRecord(options);
    EXPECT_EQ(r.defaultGroup, QStringLiteral("Travel"));
    EXPECT_EQ(r.styleLocation, QStringLiteral("Night.Style"));
    EXPECT_EQ(r.tileColor, 0xFF102030u);
    EXPECT_EQ(r.winLeft, 150);
    EXPECT_EQ(r.winTop, 120);
    EXPECT_EQ(r.winHeight, 700);
    EXPECT_EQ(r.winWidth, 1200);
}

TEST(LastUserFile, KeepsOneUtf8LineEndedByCrLf) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Options.ini"));
    QString user;
    EXPECT_FALSE(LoadLastUser(ini, user));
    EXPECT_TRUE(user.isEmpty());

    ASSERT_TRUE(SaveLastUser(ini, QStringLiteral("Zoë")));
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Zo\xC3\xAB\r\n"));
    file.close();
    EXPECT_TRUE(LoadLastUser(ini, user));
    EXPECT_EQ(user, QStringLiteral("Zoë"));

    struct Case {
        QByteArray bytes;
        QString expected;
    };
    for (const Case& c : {Case{"\xEF\xBB\xBFGuest1\r\nignored\r\n", QStringLiteral("Guest1")},
                          Case{"Guest2", QStringLiteral("Guest2")},
                          Case{"Guest3\nmore", QStringLiteral("Guest3")}, Case{"", QString()}}) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.bytes);
        file.close();
        user = QStringLiteral("previous");
        EXPECT_TRUE(LoadLastUser(ini, user));
        EXPECT_EQ(user, c.expected) << c.bytes.constData();
    }
}

TEST(LastUserFile, AFolderInTheWayIsReportedNotRaised) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Options.ini"));
    ASSERT_TRUE(QDir().mkdir(ini));
    QString user = QStringLiteral("kept");
    EXPECT_FALSE(SaveLastUser(ini, QStringLiteral("Guest1")));
    EXPECT_FALSE(LoadLastUser(ini, user));
    EXPECT_EQ(user, QStringLiteral("kept"));
}

} // namespace
