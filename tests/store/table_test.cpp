#include "store/table.h"
#include "store/table_error.h"

#include "store_test_support.h"

#include <QDateTime>

#include <gtest/gtest.h>

using namespace linkvale;
using namespace linkvale::testing;

namespace {

class TableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        table.setFileName(dir.filePath(QStringLiteral("Kinds.cds")));
        table.createEmpty();
    }

    QTemporaryDir dir;
    Table table{everyKindDefinition()};
};

TEST_F(TableTest, AppendPostEditCancelDeleteMoveThroughTheThreeStates) {
    EXPECT_EQ(table.state(), Table::State::Browsing);
    table.append();
    EXPECT_EQ(table.state(), Table::State::Inserting);
    EXPECT_EQ(table.field(0).toInt(), 1) << "the table numbers a record when it is appended";
    table.setField(QStringLiteral("Name"), QStringLiteral("first"));
    table.post();
    EXPECT_EQ(table.state(), Table::State::Browsing);
    EXPECT_EQ(table.recordCount(), 1);

    table.append();
    table.setField(QStringLiteral("Name"), QStringLiteral("dropped"));
    table.cancel();
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("first"));

    table.edit();
    EXPECT_EQ(table.state(), Table::State::Editing);
    table.setField(QStringLiteral("Name"), QStringLiteral("changed"));
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("changed"));
    table.cancel();
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("first"));

    table.edit();
    table.setField(QStringLiteral("Name"), QStringLiteral("kept"));
    table.post();
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("kept"));

    addRecord(table, {{"Name", QStringLiteral("second")}});
    EXPECT_EQ(table.field(QStringLiteral("ID")).toInt(), 3) << "a cancelled append used number 2";
    table.deleteRecord();
    EXPECT_EQ(table.recordCount(), 1);
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("kept"));
}

TEST_F(TableTest, OperationsInTheWrongStateFailWithAClearError) {
    expectTableError([&] { table.post(); }, QStringLiteral("not in edit or insert mode"));
    expectTableError([&] { table.setField(QStringLiteral("Name"), QStringLiteral("x")); },
                     QStringLiteral("not in edit or insert mode"));
    expectTableError([&] { table.edit(); }, QStringLiteral("no current record"));
    expectTableError([&] { table.deleteRecord(); }, QStringLiteral("no current record"));

    table.append();
    expectTableError([&] { table.setField(0, 7); }, QStringLiteral("numbered by the table"));
    expectTableError([&] { table.setField(QStringLiteral("Count"), QStringLiteral("many")); },
                     QStringLiteral("not a whole number"));
    expectTableError([&] { table.setField(QStringLiteral("Count"), qint64(1) << 40); },
                     QStringLiteral("32-bit"));
    expectTableError([&] { table.setField(QStringLiteral("Stamp"), QStringLiteral("soon")); },
                     QStringLiteral("not a date and time"));
    expectTableError([&] { table.setField(QStringLiteral("Flag"), QStringLiteral("maybe")); },
                     QStringLiteral("not true or false"));
    expectTableError([&] { table.setField(QStringLiteral("Nope"), 1); },
                     QStringLiteral("no field named \"Nope\""));
    expectTableError([&] { table.setField(99, 1); }, QStringLiteral("no field number 99"));
    table.cancel();

    Table closed{everyKindDefinition()};
    expectTableError([&] { closed.first(); }, QStringLiteral("is not open"));
    expectTableError([&] { closed.append(); }, QStringLiteral("is not open"));
    expectTableError([&] { closed.recordCount(); }, QStringLiteral("is not open"));
    expectTableError([&] { table.setSortKey(QStringLiteral("Name;Nope")); },
                     QStringLiteral("no field named \"Nope\""));
}

TEST_F(TableTest, MovingTheCursorOrSavingPostsAPendingRecord) {
    addRecord(table, {{"Name", QStringLiteral("a")}});
    table.append();
    table.setField(QStringLiteral("Name"), QStringLiteral("b"));
    table.first();
    EXPECT_EQ(table.state(), Table::State::Browsing);
    EXPECT_EQ(table.recordCount(), 2);

    table.edit();
    table.setField(QStringLiteral("Name"), QStringLiteral("a2"));
    table.save();
    EXPECT_EQ(walk(table, QStringLiteral("Name")), (QStringList{"a2", "b"}));
}

TEST_F(TableTest, CursorReportsItsEndsLikeADataSet) {
    table.first();
    EXPECT_TRUE(table.atEnd());
    EXPECT_TRUE(table.atStart());
    for (const char* name : {"a", "b", "c"})
        addRecord(table, {{"Name", QLatin1String(name)}});

    table.first();
    EXPECT_TRUE(table.atStart());
    EXPECT_FALSE(table.atEnd());
    table.next();
    table.next();
    EXPECT_FALSE(table.atEnd()) << "on the last record, not past it";
    table.next();
    EXPECT_TRUE(table.atEnd());
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("c")) << "stays on the last";

    table.last();
    EXPECT_TRUE(table.atEnd());
    table.prior();
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("b"));
    table.prior();
    table.prior();
    EXPECT_TRUE(table.atStart());
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("a"));
}

TEST_F(TableTest, TextsAreCutSilentlyToTheirFieldSizeInCodePoints) {
    const QString smiley = QString::fromUtf8("\xF0\x9F\x98\x80"); // outside the basic plane
    const QString tenPoints = QStringLiteral("abcdefgh") + smiley + smiley;
    addRecord(table, {{"Name", tenPoints + QStringLiteral("overflow")},
                      {"Memo", QString(5000, QLatin1Char('m'))}});
    EXPECT_EQ(table.text(QStringLiteral("Name")), tenPoints);
    EXPECT_EQ(table.text(QStringLiteral("Memo")).size(), 5000) << "long texts are not cut";
}

TEST_F(TableTest, FieldsAreReachedByPositionOrByNameInAnyCaseAndMayBeNull) {
    const QDateTime stamp(QDate(2025, 3, 5), QTime(9, 7, 3, 450));
    addRecord(table, {{"Name", QStringLiteral("x")},
                      {"Flag", true},
                      {"Stamp", stamp},
                      {"Day", QDate(2024, 2, 29)},
                      {"Count", QStringLiteral(" 42 ")},
                      {"Big", qint64(1) << 40}});
    EXPECT_EQ(table.field(1), table.field(QStringLiteral("NAME")));
    EXPECT_EQ(table.field(QStringLiteral("flag")).toBool(), true);
    EXPECT_EQ(table.field(QStringLiteral("Stamp")).toDateTime(),
              QDateTime(QDate(2025, 3, 5), QTime(9, 7, 3)))
        << "kept to whole seconds";
    EXPECT_EQ(table.field(QStringLiteral("Day")).toDate(), QDate(2024, 2, 29));
    EXPECT_EQ(table.field(QStringLiteral("Count")).toInt(), 42);
    EXPECT_EQ(table.field(QStringLiteral("Big")).toLongLong(), qint64(1) << 40);
    EXPECT_TRUE(table.isNull(QStringLiteral("Memo")));

    table.edit();
    table.setField(QStringLiteral("Name"), QVariant());
    table.post();
    EXPECT_TRUE(table.isNull(QStringLiteral("Name")));
    EXPECT_EQ(table.text(QStringLiteral("Name")), QString());
}

TEST_F(TableTest, SortKeysOrderByFoldedTextThenExactTextWithNullsFirstAndTiesInStoredOrder) {
    struct Row {
        const char* name;
        QVariant count;
    };
    const Row rows[] = {{"beta", 2}, {"Alpha", 1},          {"alpha", 5}, {"", 3},
                        {"beta", 1}, {"ALPHA", QVariant()}, {"gamma", 2}};
    for (const Row& row : rows)
        addRecord(table, {{"Name", QLatin1String(row.name)}, {"Count", row.count}});
    table.append(); // a record with a null name
    table.setField(QStringLiteral("Count"), 0);
    table.post();

    table.setSortKey(QStringLiteral("Name"));
    EXPECT_EQ(walk(table, QStringLiteral("ID")),
              (QStringList{"4", "8", "6", "2", "3", "1", "5", "7"}))
        << "empty and null names first in stored order, then ALPHA < Alpha < alpha";

    table.setSortKey(QStringLiteral("Count;Name"));
    EXPECT_EQ(walk(table, QStringLiteral("ID")),
              (QStringList{"6", "8", "2", "5", "1", "7", "4", "3"}));

    table.setSortKey(QString());
    EXPECT_EQ(walk(table, QStringLiteral("ID")),
              (QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}))
        << "an empty key is the stored order";
}

TEST_F(TableTest, ChangingTheSortKeyKeepsTheCurrentRecord) {
    for (const char* name : {"c", "a", "b"})
        addRecord(table, {{"Name", QLatin1String(name)}});
    table.first();
    table.next(); // "a" in stored order
    table.setSortKey(QStringLiteral("Name"));
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("a"));
    table.next();
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("b"));
}

TEST_F(TableTest, PostedRecordsTakeTheirPlaceInTheSortOrderAndStayCurrent) {
    table.setSortKey(QStringLiteral("Name"));
    for (const char* name : {"m", "c", "x", "a"})
        addRecord(table, {{"Name", QLatin1String(name)}});
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("a"));
    EXPECT_EQ(walk(table, QStringLiteral("Name")), (QStringList{"a", "c", "m", "x"}));

    ASSERT_TRUE(table.locate(QStringLiteral("Name"), QStringLiteral("c")));
    table.edit();
    table.setField(QStringLiteral("Name"), QStringLiteral("z"));
    table.post();
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("z"));
    EXPECT_EQ(walk(table, QStringLiteral("Name")), (QStringList{"a", "m", "x", "z"}));

    ASSERT_TRUE(table.locate(QStringLiteral("Name"), QStringLiteral("m")));
    table.deleteRecord();
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("x")) << "the next one";
    table.last();
    table.deleteRecord();
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("x")) << "the new last one";
}

TEST_F(TableTest, LocateFindsExactValuesOnOneOrSeveralFields) {
    for (const auto& [name, count] :
         {std::pair{"News", 1}, {"news", 2}, {"News", 3}, {"Sport", 2}, {"News", 2}})
        addRecord(table, {{"Name", QLatin1String(name)}, {"Count", count}});

    struct Case {
        QString sortKey;
        QString fields;
        QVariantList values;
        int expectedId; // 0: not found
    };
    const Case cases[] = {
        {QString(), "Name", {"News"}, 1},
        {"Name", "Name", {"News"}, 1}, // binary search on the key
        {"Name", "Name", {"news"}, 2}, // case-sensitive
        {"Name", "Name", {"NEWS"}, 0},
        {"Name", "Name", {"New"}, 0}, // whole value
        {"Name;Count", "Name;Count", {"News", 2}, 5},
        {"Count", "Name;Count", {"News", 2}, 5}, // key leads with Count only
        {QString(), "name;count", {"News", "3"}, 3},
        {"Name", "Count", {2}, 5},     // first in sort order: News(5) < news(2)
        {"Name", "Count", {"two"}, 0}, // not a number: no record holds it
        {"Count", "ID", {4}, 4},
    };
    for (const Case& c : cases) {
        table.setSortKey(c.sortKey);
        table.first();
        table.next();
        const QVariant before = table.field(0);
        const bool found = table.locate(c.fields, c.values);
        EXPECT_EQ(found, c.expectedId != 0)
            << c.fields.toStdString() << " sorted by " << c.sortKey.toStdString();
        EXPECT_EQ(table.field(0).toInt(), found ? c.expectedId : before.toInt())
            << c.fields.toStdString() << " sorted by " << c.sortKey.toStdString();
    }
    expectTableError([&] { table.locate(QStringLiteral("Name;Count"), QVariantList{"x"}); },
                     QStringLiteral("2 field(s)"));
}

TEST_F(TableTest, LocateMatchesALongValueOnlyAgainstItselfNotItsStoredCut) {
    addRecord(table, {{"Name", QStringLiteral("0123456789-too-long")}});
    table.setSortKey(QStringLiteral("Name"));
    EXPECT_FALSE(table.locate(QStringLiteral("Name"), QStringLiteral("0123456789-too-long")));
    EXPECT_TRUE(table.locate(QStringLiteral("Name"), QStringLiteral("0123456789")));
}

TEST_F(TableTest, LocateSeesOnlyRecordsPassingTheFilter) {
    addRecord(table, {{"Name", QStringLiteral("a")}, {"Count", 1}});
    addRecord(table, {{"Name", QStringLiteral("b")}, {"Count", 2}});
    table.setFilter(QStringLiteral("[Count] = '2'"));
    EXPECT_FALSE(table.locate(QStringLiteral("Name"), QStringLiteral("a")));
    EXPECT_TRUE(table.locate(QStringLiteral("Name"), QStringLiteral("b")));
}

TEST_F(TableTest, RulesRunOnAppendAndAroundPost) {
    QStringList calls;
    table.setNewRecordRule([&](Table& t) {
        calls << QStringLiteral("new");
        t.setField(QStringLiteral("Name"), QStringLiteral("default"));
    });
    table.setBeforePostRule([&](Table& t) {
        calls << QStringLiteral("before:") + t.text(QStringLiteral("Name"));
        t.setField(QStringLiteral("Count"), 7);
    });
    table.setAfterPostRule([&](Table& t) {
        calls << QStringLiteral("after:") + QString::number(t.state() == Table::State::Browsing);
    });
    table.append();
    table.post();
    EXPECT_EQ(calls, (QStringList{"new", "before:default", "after:1"}));
    EXPECT_EQ(table.field(QStringLiteral("Count")).toInt(), 7);

    calls.clear();
    table.edit();
    table.cancel();
    EXPECT_TRUE(calls.isEmpty()) << "cancel runs no rule";

    table.setBeforePostRule([](Table&) { throw TableError(QStringLiteral("refused")); });
    table.edit();
    table.setField(QStringLiteral("Name"), QStringLiteral("pending"));
    EXPECT_THROW(table.post(), TableError);
    EXPECT_EQ(table.state(), Table::State::Editing) << "a refused post keeps the record pending";
    table.cancel();
    EXPECT_EQ(table.text(QStringLiteral("Name")), QStringLiteral("default"));
}

} // namespace
