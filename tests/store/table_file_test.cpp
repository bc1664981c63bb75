#include "store/table.h"
#include "store/table_definitions.h"
#include "store/table_error.h"
#include "store/table_file.h"

#include "store_test_support.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

using namespace linkvale;
using namespace linkvale::testing;

namespace {

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

ino_t inodeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

// A value of the field's kind that uses the field to its limits.
QVariant fullValue(const FieldDef& field, int seed) {
    switch (field.type) {
    case FieldType::Text: {
        QString text = QStringLiteral("Zürich ✓ %1 O'Brien, \"q\" ").arg(seed);
        while (text.size() < field.size)
            text += QLatin1Char('x');
        return text.left(field.size);
    }
    case FieldType::LongText:
        return QStringLiteral("line one\r\nline two\n\ttabbed — %1 ").repeated(200);
    case FieldType::Boolean:
        return seed % 2 == 0;
    case FieldType::DateTime:
        return QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58)).addDays(seed);
    case FieldType::Date:
        return QDate(1999, 12, 31).addDays(seed);
    case FieldType::Integer:
        return -2147483647 + seed;
    case FieldType::LargeInteger:
        return qint64(9007199254740993) + seed;
    case FieldType::AutoIncrement:
        return {};
    }
    return {};
}

class TableFileTest : public ::testing::Test {
protected:
    const pid_t testingProcess = ::getpid();
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }

    QTemporaryDir dir;
};

TEST_F(TableFileTest, EveryTableKeepsEveryFieldThroughSaveAndOpen) {
    for (const TableDefinition* definition : TableDefinitions::all()) {
        SCOPED_TRACE(definition->fileName.toStdString());
        const QString file = dir.filePath(definition->fileName);
        {
            Table table(*definition);
            table.setFileName(file);
            table.createEmpty();
            for (int seed = 1; seed <= 2; ++seed) {
                table.append();
                for (int i = 1; i < table.fieldCount(); ++i)
                    table.setField(i, fullValue(table.fields()[i], seed));
                table.post();
            }
            table.append(); // every field left null
            table.post();
            table.close();
        }
        Table reopened(*definition);
        reopened.setFileName(file);
        reopened.open();
        EXPECT_EQ(reopened.fields(), definition->fields);
        ASSERT_EQ(reopened.recordCount(), 3);
        for (int seed = 1; seed <= 2; ++seed) {
            EXPECT_EQ(reopened.field(0).toInt(), seed);
            for (int i = 1; i < reopened.fieldCount(); ++i)
                EXPECT_EQ(reopened.field(i), fullValue(reopened.fields()[i], seed))
                    << reopened.fields()[i].name.toStdString();
            reopened.next();
        }
        for (int i = 1; i < reopened.fieldCount(); ++i)
            EXPECT_FALSE(reopened.field(i).isValid()) << reopened.fields()[i].name.toStdString();
    }
}

TEST_F(TableFileTest, RecordsLieInATableNamedRecordsThatAnySqliteToolReads) {
    Table table(TableDefinitions::urls());
    table.setFileName(path("Urls.cds"));
    table.createEmpty();
    addRecord(table, {{"LocationName", QStringLiteral("Example")},
                      {"URL", QStringLiteral("https://example.org/")},
                      {"FolderID", 12}});
    table.close();

    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(path("Urls.cds")).constData(), &db,
                              SQLITE_OPEN_READONLY, nullptr),
              SQLITE_OK);
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT * FROM records", -1, &statement, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    QStringList columns;
    for (int i = 0; i < sqlite3_column_count(statement); ++i)
        columns << QString::fromUtf8(sqlite3_column_name(statement, i));
    QStringList expected;
    for (const FieldDef& field : TableDefinitions::urls().fields)
        expected << field.name;
    EXPECT_EQ(columns, expected);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 2)),
                 "https://example.org/");
    EXPECT_EQ(sqlite3_column_int64(statement, 12), 12);
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

TEST_F(TableFileTest, AFileBringsItsOwnFieldsAndNumbering) {
    {
        Table table(everyKindDefinition());
        table.setFileName(path("Kinds.cds"));
        table.createEmpty();
        addRecord(table, {{"Name", QStringLiteral("one")}});
        addRecord(table, {{"Name", QStringLiteral("two")}});
        table.deleteRecord(); // number 2 is used up even though its record is gone
        table.close();
    }
    Table other(TableDefinitions::groups()); // a table object made for another file
    other.setFileName(path("Kinds.cds"));
    other.open();
    EXPECT_EQ(other.fields(), everyKindDefinition().fields);
    addRecord(other, {{"Name", QStringLiteral("three")}});
    EXPECT_EQ(other.field(QStringLiteral("ID")).toInt(), 3);
}

TEST_F(TableFileTest, DamagedOrForeignFilesAreRefusedByNameAndNeverOverwritten) {
    // A table file cut short, one with its pages scribbled over, one that is
    // not a database, another program's database and one from a newer version.
    {
        Table table(TableDefinitions::urls());
        table.setFileName(path("whole.cds"));
        table.createEmpty();
        for (int i = 0; i < 2000; ++i)
            addRecord(table, {{"URL", QStringLiteral("https://site%1.example/").arg(i)}});
        table.close();
    }
    const QByteArray whole = contentsOf(path("whole.cds"));
    writeFile(path("cut.cds"), whole.left(whole.size() / 2));
    QByteArray scribbled = whole;
    for (qsizetype i = 4096; i < scribbled.size(); i += 7)
        scribbled[i] = static_cast<char>(i * 31);
    writeFile(path("scribbled.cds"), scribbled);
    writeFile(path("text.cds"), "name,url,username,password\n");
    writeFile(path("empty.cds"), QByteArray());
    {
        sqlite3* db = nullptr;
        sqlite3_open(QFile::encodeName(path("foreign.cds")).constData(), &db);
        sqlite3_exec(db, "CREATE TABLE records(a); INSERT INTO records VALUES (1);", nullptr,
                     nullptr, nullptr);
        sqlite3_close(db);
        QByteArray newer = whole;
        newer[60 + 3] = 9; // user_version, the format version, read big-endian at offset 60
        writeFile(path("newer.cds"), newer);
    }

    struct Case {
        const char* file;
        const char* why;
    };
    const Case cases[] = {
        {"cut.cds", "damaged"},
        {"scribbled.cds", "damaged"},
        {"text.cds", "not a Linkvale table file"},
        {"empty.cds", "not a Linkvale table file"},
        {"foreign.cds", "not a Linkvale table file"},
        {"newer.cds", "newer version"},
        {"missing.cds", "does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString file = path(c.file);
        const QByteArray before = contentsOf(file);
        Table table(TableDefinitions::urls());
        table.setFileName(file);
        expectTableError([&] { table.open(); }, file);
        expectTableError([&] { table.open(); }, QLatin1String(c.why));
        EXPECT_FALSE(table.isOpen());
        table.close(); // writes nothing: the table never loaded
        table.createEmpty();
        addRecord(table, {{"URL", QStringLiteral("https://new.example/")}});
        if (QFileInfo::exists(file)) {
            expectTableError([&] { table.save(); }, QStringLiteral("will not overwrite"));
            EXPECT_THROW(table.close(), TableError);
            EXPECT_TRUE(table.isOpen()) << "records that could not be written stay in memory";
        }
        EXPECT_EQ(contentsOf(file), before);
    }
}

TEST_F(TableFileTest, AnUnchangedTableIsNotRewrittenOnClose) {
    Table table(TableDefinitions::groups());
    table.setFileName(path("Group.cds"));
    EXPECT_FALSE(table.fileExists());
    table.createEmpty();
    EXPECT_FALSE(table.fileExists()) << "a new table is written when closed or saved";
    table.close();
    ASSERT_TRUE(table.fileExists()) << "an empty new table is written";
    const ino_t written = inodeOf(path("Group.cds"));

    table.open();
    table.setSortKey(QStringLiteral("GroupName"));
    table.setFilter(QStringLiteral("[GroupName] = 'x'"));
    table.first();
    table.close();
    EXPECT_EQ(inodeOf(path("Group.cds")), written);

    table.open();
    addRecord(table, {{"GroupName", QStringLiteral("Art")}});
    table.close();
    EXPECT_NE(inodeOf(path("Group.cds")), written);
}

TEST_F(TableFileTest, APathThatCannotBeWrittenFailsTheSaveAndKeepsTheRecords) {
    Table table(TableDefinitions::groups());
    table.setFileName(path("no-such-folder/Group.cds"));
    table.createEmpty();
    addRecord(table, {{"GroupName", QStringLiteral("Art")}});
    expectTableError([&] { table.save(); }, path("no-such-folder/Group.cds"));
    EXPECT_TRUE(table.isOpen());
    EXPECT_EQ(table.recordCount(), 1);

    table.setFileName(path("Group.cds"));
    table.close();
    Table reopened(TableDefinitions::groups());
    reopened.setFileName(path("Group.cds"));
    reopened.open();
    EXPECT_EQ(reopened.text(QStringLiteral("GroupName")), QStringLiteral("Art"));
}

TEST_F(TableFileTest, AFileThatCannotBeReadIsRefused) {
    Table table(TableDefinitions::groups());
    table.setFileName(path("Group.cds"));
    table.createEmpty();
    table.close();
    QFile::setPermissions(path("Group.cds"), QFileDevice::WriteOwner);
    QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFileDevice::ExeOther);
    // Permissions do not bind the superuser: read as an unprivileged user then.
    const pid_t child = ::geteuid() == 0 ? ::fork() : 0;
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        bool refused = false;
        try {
            table.open();
        } catch (const TableError& error) {
            refused = error.message().contains(QStringLiteral("permission denied")) &&
                      error.message().contains(path("Group.cds"));
        }
        if (::getpid() != testingProcess)
            ::_exit(refused ? 0 : 1);
        EXPECT_TRUE(refused);
        return;
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0)
        << "1: not refused as unreadable, 2: could not drop privileges";
}

TEST_F(TableFileTest, ASaveKilledHalfwayLeavesThePreviousFileWhole) {
    const QString file = path("Urls.cds");
    constexpr int kRecords = 20000;
    {
        Table table(TableDefinitions::urls());
        table.setFileName(file);
        table.createEmpty();
        for (int i = 0; i < kRecords; ++i)
            addRecord(table, {{"URL", QStringLiteral("https://site%1.example/").arg(i)},
                              {"URLMemo", QString(200, QLatin1Char('m'))}});
        table.close();
    }
    for (const int delayMs : {5, 20, 45, 80, 130}) {
        SCOPED_TRACE(delayMs);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Save over and over, each time with one record more, until killed.
            try {
                Table table(TableDefinitions::urls());
                table.setFileName(file);
                table.open();
                for (;;) {
                    addRecord(table, {{"URL", QStringLiteral("https://more.example/")}});
                    table.save();
                }
            } catch (...) {
            }
            ::_exit(3);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving process ended by itself";

        Table table(TableDefinitions::urls());
        table.setFileName(file);
        ASSERT_NO_THROW(table.open());
        EXPECT_GE(table.recordCount(), kRecords);
        table.last();
        EXPECT_EQ(table.field(0).toInt(), table.recordCount()) << "every record is there";
    }
    // A save after the interruptions replaces the file as usual.
    Table table(TableDefinitions::urls());
    table.setFileName(file);
    table.open();
    const int count = table.recordCount();
    addRecord(table, {{"URL", QStringLiteral("https://after.example/")}});
    table.close();
    table.open();
    EXPECT_EQ(table.recordCount(), count + 1);
}

} // namespace
