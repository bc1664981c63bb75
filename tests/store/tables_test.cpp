#include "store/tables.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

using namespace linkvale;
using namespace linkvale::testing;

namespace {

TEST(Tables, TheSecondFolderObjectWalksWithoutMovingTheFirstAndNeverUndoesItsSaves) {
    QTemporaryDir dir;
    RecordRuleState state;
    Tables tables(state);
    const QString file = dir.filePath(QStringLiteral("FavFolders.cds"));
    Table& folders = tables.ClientDataSet13;
    Table& walker = tables.ClientDataSet13b;
    folders.setFileName(file);
    folders.createEmpty();
    folders.setSortKey(QStringLiteral("ParentFldr;Folder"));
    for (const char* name : {"News", "Art", "Sport"})
        addRecord(folders, {{"Folder", QLatin1String(name)}, {"BookOrEMail", QStringLiteral("A")}});
    folders.save();
    ASSERT_TRUE(folders.locate(QStringLiteral("Folder"), QStringLiteral("News")));
    EXPECT_TRUE(folders.field(QStringLiteral("DateCreated")).toDateTime().isValid());

    walker.setFileName(file);
    walker.open();
    walker.setSortKey(QStringLiteral("Folder"));
    EXPECT_EQ(walk(walker, QStringLiteral("Folder")), (QStringList{"Art", "News", "Sport"}));
    EXPECT_EQ(folders.text(QStringLiteral("Folder")), QStringLiteral("News"));

    addRecord(folders, {{"Folder", QStringLiteral("Travel")}});
    folders.save();
    walker.close(); // only walked: must not write its older copy over the file
    folders.close();
    folders.open();
    EXPECT_EQ(folders.recordCount(), 4);
}

TEST(Tables, UserTablesAreTheTwelveOfTheDataFolderInClosingOrder) {
    RecordRuleState state;
    Tables tables(state);
    QStringList files;
    for (Table* table : tables.userTables())
        files << table->displayName();
    EXPECT_EQ(files, (QStringList{"Urls.cds", "Passwords.cds", "Lists.cds", "ListDetl.cds",
                                  "EMail.cds", "EMailAddr.cds", "Group.cds", "EMailAtth.cds",
                                  "Options.cds", "PagAnyls.cds", "Search.cds", "FavFolders.cds"}));
}

} // namespace
