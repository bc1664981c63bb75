#include "store/filter_expression.h"
#include "store/table.h"
#include "store/table_error.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace linkvale;
using namespace linkvale::testing;

namespace {

using Op = FilterTerm::Op;

TEST(FilterExpression, ReadsComparisonsJoinedByAnd) {
    struct Case {
        const char* text;
        QList<FilterTerm> terms;
    };
    const Case cases[] = {
        {"[Group] = 'Travel'", {{"Group", Op::Equal, "Travel"}}},
        {"[Group] = 'O''Brien'", {{"Group", Op::Equal, "O'Brien"}}},
        {"[Group]='x'", {{"Group", Op::Equal, "x"}}},
        {"[A] >= '1' AND [A] <= '2'",
         {{"A", Op::GreaterOrEqual, "1"}, {"A", Op::LessOrEqual, "2"}}},
        {"[ParentFldr] = '' AND [Folder] = 'a AND b'",
         {{"ParentFldr", Op::Equal, ""}, {"Folder", Op::Equal, "a AND b"}}},
        {"[X] = ''''", {{"X", Op::Equal, "'"}}},
        {"", {}},
        {"   ", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parseFilterExpression(QString::fromUtf8(c.text)), c.terms) << c.text;
}

TEST(FilterExpression, RefusesAnyOtherTextQuotingIt) {
    const char* refused[] = {
        "Group = 'Travel'",    // no brackets
        "[Group] == 'Travel'", // unknown operator
        "[Group] <> 'Travel'",
        "[Group] > 'Travel'",
        "[Group] = Travel", // value not quoted
        "[Group] = \"Travel\"",
        "[Group] = 'Travel",   // quote not closed
        "[Group] = 'O'Brien'", // inner quote not doubled
        "[Group] = 'a' OR [Group] = 'b'",
        "[Group] = 'a' and [Group] = 'b'",
        "[Group] = 'a'AND [Group] = 'b'",
        "[Group] = 'a' AND",
        "[] = 'a'",
        "[Group = 'a'",
    };
    for (const char* text : refused)
        expectTableError([&] { parseFilterExpression(QLatin1String(text)); },
                         QStringLiteral("\"%1\"").arg(QLatin1String(text)));
}

TEST(FilterExpression, QuotesValuesAsTheReaderExpects) {
    EXPECT_EQ(QStringLiteral("[Group] = ") + quoteFilterValue(QStringLiteral("O'Brien")),
              QStringLiteral("[Group] = 'O''Brien'"));
    const QString tricky = QStringLiteral("it's ' AND [x] = '");
    EXPECT_EQ(parseFilterExpression(QStringLiteral("[G] = ") + quoteFilterValue(tricky)),
              (QList<FilterTerm>{{"G", Op::Equal, tricky}}));
}

TEST(FilterExpression, AnyTextEitherReadsOrIsRefusedAndQuotedValuesComeBackWhole) {
    // Texts made of the grammar's own pieces, shuffled: the reader must never
    // do anything but return terms or refuse with a TableError.
    const QString pieces[] = {"[",  "]",   "Group", " ", "=",      ">=", "<=",           "'",
                              "''", "AND", " AND ", "x", "\u00e9", "\t", "[Group] = 'a'"};
    std::mt19937 random(7);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        for (auto n = random() % 12; n > 0; --n)
            text += pieces[random() % std::size(pieces)];
        try {
            for (const FilterTerm& term : parseFilterExpression(text))
                EXPECT_FALSE(term.field.isEmpty()) << text.toStdString();
        } catch (const TableError& error) {
            EXPECT_TRUE(error.message().contains(text)) << text.toStdString();
        }
        const QString value = text;
        EXPECT_EQ(parseFilterExpression(QStringLiteral("[F] <= ") + quoteFilterValue(value) +
                                        QStringLiteral(" AND [G] = ") + quoteFilterValue(value)),
                  (QList<FilterTerm>{{"F", Op::LessOrEqual, value}, {"G", Op::Equal, value}}));
    }
}

class TableFilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        table.createEmpty();
        struct Row {
            QVariant name, count, day, stamp, flag;
        };
        const Row rows[] = {
            {"O'Brien", 5, QDate(2024, 1, 31), QDateTime(QDate(2024, 1, 31), QTime(23, 0)), true},
            {"apple", 10, QDate(2024, 2, 1), QDateTime(QDate(2024, 2, 1), QTime(8, 0)), false},
            {"Banana", -3, QDate(2024, 2, 29), QVariant(), true},
            {"", QVariant(), QVariant(), QDateTime(QDate(2023, 12, 31), QTime(0, 0)), QVariant()},
            {QVariant(), 10, QDate(2025, 1, 1), QVariant(), false},
            {"banana", 7, QDate(2024, 3, 1), QDateTime(QDate(2024, 3, 1), QTime(12, 0)), true},
        };
        for (const Row& row : rows)
            addRecord(table, {{"Name", row.name},
                              {"Count", row.count},
                              {"Day", row.day},
                              {"Stamp", row.stamp},
                              {"Flag", row.flag}});
    }

    QStringList idsPassing(const QString& expression) {
        table.setFilter(expression);
        QStringList ids = walk(table, QStringLiteral("ID"));
        EXPECT_EQ(table.recordCount(), ids.size());
        return ids;
    }

    Table table{everyKindDefinition()};
};

TEST_F(TableFilterTest, ComparesEachFieldByItsKind) {
    struct Case {
        const char* expression;
        QStringList ids;
    };
    const Case cases[] = {
        {"[Name] = 'O''Brien'", {"1"}},
        {"[Name] = 'banana'", {"6"}},                     // exact case
        {"[Name] = ''", {"4", "5"}},                      // empty or null
        {"[name] >= 'b' AND [NAME] <= 'bz'", {"3", "6"}}, // text order folds case
        {"[Name] <= 'apple'", {"2", "4", "5"}},
        {"[Count] >= '7'", {"2", "5", "6"}}, // as numbers, not texts
        {"[Count] <= '-1'", {"3", "4"}},     // no value sorts first
        {"[Count] = ''", {"4"}},             // no value
        {"[Count] >= ''", {"1", "2", "3", "4", "5", "6"}},
        {"[Day] >= '2024-02-01' AND [Day] <= '2024-02-29'", {"2", "3"}},
        {"[Stamp] <= '2024-01-31T23:00:00'", {"1", "3", "4", "5"}},
        {"[Stamp] >= '2024-02-01'", {"2", "6"}},
        {"[Flag] = 'True'", {"1", "3", "6"}},
        {"[Flag] = 'false'", {"2", "5"}},
        {"[ID] = '3'", {"3"}},
        {"[Count] = '10' AND [Name] = ''", {"5"}},
        {"", {"1", "2", "3", "4", "5", "6"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(idsPassing(QLatin1String(c.expression)), c.ids) << c.expression;
}

TEST_F(TableFilterTest, RefusesUnknownFieldsAndValuesTheFieldCannotHoldKeepingTheOldFilter) {
    table.setFilter(QStringLiteral("[Count] = '10'"));
    expectTableError([&] { table.setFilter(QStringLiteral("[Colour] = 'red'")); },
                     QStringLiteral("no field named \"Colour\""));
    expectTableError([&] { table.setFilter(QStringLiteral("[Count] >= 'ten'")); },
                     QStringLiteral("\"[Count] >= 'ten'\""));
    expectTableError([&] { table.setFilter(QStringLiteral("[Day] = '31/01/2024'")); },
                     QStringLiteral("not a date"));
    EXPECT_EQ(table.filter(), QStringLiteral("[Count] = '10'"));
    EXPECT_EQ(table.recordCount(), 2);
}

TEST_F(TableFilterTest, RecordsEnterAndLeaveTheFilterAsTheyChange) {
    table.setSortKey(QStringLiteral("Name"));
    EXPECT_EQ(idsPassing(QStringLiteral("[Count] = '10'")), (QStringList{"5", "2"}));

    addRecord(table, {{"Name", QStringLiteral("aardvark")}, {"Count", 10}});
    EXPECT_EQ(table.field(0).toInt(), 7) << "a posted record that passes is current";
    addRecord(table, {{"Name", QStringLiteral("zebra")}, {"Count", 11}});
    EXPECT_EQ(walk(table, QStringLiteral("ID")), (QStringList{"5", "7", "2"}));

    ASSERT_TRUE(table.locate(QStringLiteral("ID"), 2));
    table.edit();
    table.setField(QStringLiteral("Count"), 1);
    table.post();
    EXPECT_EQ(walk(table, QStringLiteral("ID")), (QStringList{"5", "7"}));
    table.setFilter(QString());
    EXPECT_EQ(table.recordCount(), 8);
}

TEST(TableFilter, AnUnfilteredTableKeepsTheExpressionButShowsEveryRecord) {
    TableDefinition definition = everyKindDefinition();
    definition.filtered = false;
    Table table(definition);
    table.createEmpty();
    addRecord(table, {{"Name", QStringLiteral("a")}});
    addRecord(table, {{"Name", QStringLiteral("b")}});
    table.setFilter(QStringLiteral("[Name] = 'a'"));
    EXPECT_EQ(table.filter(), QStringLiteral("[Name] = 'a'"));
    EXPECT_EQ(table.recordCount(), 2);
}

} // namespace
