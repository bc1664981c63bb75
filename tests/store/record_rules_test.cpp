#include "store/date_key.h"
#include "store/record_rules.h"
#include "store/table_definitions.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

using namespace linkvale;
using namespace linkvale::testing;

namespace {

class RecordRulesTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.now = [this] { return clock; };
    }

    QDateTime clock{QDate(2025, 3, 5), QTime(9, 7, 3)};
    RecordRuleState state;
};

TEST_F(RecordRulesTest, NewPasswordRecordsTakeTheDefaultGroupAndPriority) {
    Table passwords(TableDefinitions::passwords());
    passwords.createEmpty();
    RecordRules::installPasswordRules(passwords, state);
    passwords.append();
    EXPECT_EQ(passwords.text(QStringLiteral("Group")), QStringLiteral("Internet"));
    EXPECT_EQ(passwords.text(QStringLiteral("Priority")), QStringLiteral("05-Keep"));
    EXPECT_EQ(passwords.text(QStringLiteral("DateCreated")), QStringLiteral("20250305973"));
    passwords.cancel();

    state.SETCURGROUP = QStringLiteral("Travel");
    state.SETCURPRIORITY = PRIORITY_ARR().at(9);
    passwords.append();
    EXPECT_EQ(passwords.text(QStringLiteral("Group")), QStringLiteral("Travel"));
    EXPECT_EQ(passwords.text(QStringLiteral("Priority")), QStringLiteral("09-Very Valuable"));
}

TEST_F(RecordRulesTest, ANewListGetsItsPlaceholdersAndPostingRebuildsTheSchedule) {
    Table lists(TableDefinitions::lists());
    lists.createEmpty();
    int scheduleBuilds = 0;
    RecordRules::installListRules(lists, state, [&] { ++scheduleBuilds; });
    lists.append();
    EXPECT_EQ(lists.text(QStringLiteral("ListName")), QStringLiteral("New List 1"));
    EXPECT_EQ(lists.text(QStringLiteral("ListDescription")),
              QStringLiteral("New List 1 Description"));
    EXPECT_EQ(lists.text(QStringLiteral("StartTime")), QStringLiteral(" 8:00 AM"));
    EXPECT_EQ(lists.text(QStringLiteral("RunTime")), QStringLiteral(" 1 Minute"));
    EXPECT_EQ(lists.text(QStringLiteral("Group")), QStringLiteral("Internet"));
    EXPECT_EQ(lists.text(QStringLiteral("DateCreated")), QStringLiteral("20250305973"));
    EXPECT_TRUE(lists.isNull(QStringLiteral("LastUpdated")));
    EXPECT_EQ(scheduleBuilds, 0);
    lists.post();
    EXPECT_EQ(lists.field(QStringLiteral("LastUpdated")).toDateTime(), clock);
    EXPECT_EQ(scheduleBuilds, 1);

    clock = clock.addSecs(60);
    lists.edit();
    lists.post();
    EXPECT_EQ(lists.field(QStringLiteral("LastUpdated")).toDateTime(), clock);
    EXPECT_EQ(scheduleBuilds, 2);
}

TEST_F(RecordRulesTest, ContactsAreStampedWhenMadeAndWhenStored) {
    Table contacts(TableDefinitions::contacts());
    contacts.createEmpty();
    RecordRules::installContactRules(contacts, state);
    addRecord(contacts, {{"EMailName", QStringLiteral("Ann")}});
    EXPECT_EQ(contacts.text(QStringLiteral("DateCreated")), QStringLiteral("20250305973"));
    EXPECT_EQ(contacts.field(QStringLiteral("LastUpdated")).toDateTime(), clock);
}

TEST_F(RecordRulesTest, StoringAGroupRefillsTheGroupListsUnlessTheProgramIsAddingGroups) {
    Table groups(TableDefinitions::groups());
    groups.createEmpty();
    QList<bool> skipSeenWhileRefilling;
    RecordRules::installGroupRules(groups, state,
                                   [&] { skipSeenWhileRefilling << state.SKIP_FLG; });
    addRecord(groups, {{"GroupName", QStringLiteral("Art")}});
    EXPECT_EQ(groups.text(QStringLiteral("DateCreated")), QStringLiteral("20250305973"));
    EXPECT_EQ(skipSeenWhileRefilling, QList<bool>{true});
    EXPECT_FALSE(state.SKIP_FLG);

    state.SKIP_FLG = true;
    addRecord(groups, {{"GroupName", QStringLiteral("Business")}});
    EXPECT_EQ(skipSeenWhileRefilling.size(), 1) << "no refill while SKIP_FLG is set";
    EXPECT_TRUE(state.SKIP_FLG);
}

TEST_F(RecordRulesTest, ANewFolderHasADateTimeNotADateKey) {
    Table folders(TableDefinitions::folders());
    folders.createEmpty();
    RecordRules::installFolderRules(folders, state);
    folders.append();
    EXPECT_EQ(folders.field(QStringLiteral("DateCreated")), QVariant(clock));
}

} // namespace
