#include "table_file.h"

#include "table_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace linkvale {
namespace {

QString quotedName(const QString& name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

bool storedAsInteger(FieldType type) {
    return type == FieldType::AutoIncrement || type == FieldType::Boolean ||
           type == FieldType::Integer || type == FieldType::LargeInteger;
}

// Owns one SQLite connection and turns its failures into TableErrors.
class Connection {
public:
    // `shownPath` is the path messages name: the table file, not a temporary.
    Connection(const QString& path, int flags, const QString& purpose, const QString& shownPath)
        : path_(shownPath), purpose_(purpose) {
        // A connection lives within one call on one thread: no mutex needed.
        const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                                       flags | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            // The destructor does not run for a constructor that throws.
            try {
                fail(rc);
            } catch (...) {
                sqlite3_close_v2(db_);
                throw;
            }
        }
    }
    ~Connection() { sqlite3_close_v2(db_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void exec(const QString& sql) {
        char* message = nullptr;
        const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message);
        sqlite3_free(message);
        if (rc != SQLITE_OK)
            fail(rc);
    }
    sqlite3_stmt* prepare(const QString& sql) {
        sqlite3_stmt* statement = nullptr;
        const int rc = sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &statement, nullptr);
        if (rc != SQLITE_OK)
            fail(rc);
        return statement;
    }
    std::int64_t pragma(const char* name) {
        Statement statement(*this, QStringLiteral("PRAGMA %1").arg(QLatin1String(name)));
        return statement.step() ? sqlite3_column_int64(statement.get(), 0) : 0;
    }

    [[noreturn]] void fail(int rc) const {
        QString detail = QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
        if ((rc & 0xff) == SQLITE_NOTADB || (rc & 0xff) == SQLITE_CORRUPT)
            detail = QStringLiteral("the file is damaged or is not a Linkvale table file (%1)")
                         .arg(detail);
        throw TableError(QStringLiteral("Cannot %1 \"%2\": %3.").arg(purpose_, path_, detail));
    }

    class Statement {
    public:
        Statement(Connection& connection, const QString& sql)
            : connection_(connection), statement_(connection.prepare(sql)) {}
        ~Statement() { sqlite3_finalize(statement_); }
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;
        sqlite3_stmt* get() const { return statement_; }
        // True for a row, false when done.
        bool step() {
            const int rc = sqlite3_step(statement_);
            if (rc == SQLITE_ROW)
                return true;
            if (rc == SQLITE_DONE)
                return false;
            connection_.fail(rc);
        }
        void reset() {
            sqlite3_reset(statement_);
            sqlite3_clear_bindings(statement_);
        }

    private:
        Connection& connection_;
        sqlite3_stmt* statement_;
    };

private:
    QString path_;
    QString purpose_;
    sqlite3* db_ = nullptr;
};

[[noreturn]] void refuseRead(const QString& path, const QString& why) {
    throw TableError(QStringLiteral("Cannot open the table file \"%1\": %2.").arg(path, why));
}

QString columnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(statement, column)) : QString();
}

QList<FieldDef> readFields(Connection& db, const QString& path) {
    QList<FieldDef> fields;
    Connection::Statement statement(
        db, QStringLiteral("SELECT name, type, size FROM fields ORDER BY position"));
    while (statement.step()) {
        FieldDef field;
        field.name = columnText(statement.get(), 0);
        const QString typeName = columnText(statement.get(), 1);
        field.size = sqlite3_column_int(statement.get(), 2);
        if (field.name.isEmpty() || !fieldTypeFromName(typeName, &field.type))
            refuseRead(path, QStringLiteral("its field definitions are damaged"));
        fields.append(field);
    }
    if (fields.isEmpty())
        refuseRead(path, QStringLiteral("it defines no fields"));
    return fields;
}

void syncFile(const QString& path, int flags) {
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool TableFile::looksLikeTableFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return false;
    const auto byte = [&](int i) {
        return static_cast<std::uint32_t>(static_cast<uchar>(header[i]));
    };
    const std::uint32_t applicationId = byte(68) << 24 | byte(69) << 16 | byte(70) << 8 | byte(71);
    return applicationId == static_cast<std::uint32_t>(kApplicationId);
}

TableFileContents TableFile::read(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        refuseRead(path, QStringLiteral("the file does not exist"));
    if (info.isDir())
        refuseRead(path, QStringLiteral("it is a folder"));
    if (!info.isReadable())
        refuseRead(path, QStringLiteral("permission denied"));
    if (!looksLikeTableFile(path))
        refuseRead(path, QStringLiteral("it is not a Linkvale table file"));

    Connection db(path, SQLITE_OPEN_READONLY, QStringLiteral("open the table file"), path);
    const std::int64_t version = db.pragma("user_version");
    if (version > kFormatVersion)
        refuseRead(path, QStringLiteral("it was written by a newer version of Linkvale "
                                        "(file format %1)")
                             .arg(version));

    TableFileContents contents;
    contents.fields = readFields(db, path);
    {
        Connection::Statement meta(db,
                                   QStringLiteral("SELECT value FROM meta WHERE key = 'next_id'"));
        if (meta.step())
            contents.nextId = sqlite3_column_int64(meta.get(), 0);
    }

    QStringList columns;
    for (const FieldDef& field : contents.fields)
        columns.append(quotedName(field.name));
    Connection::Statement select(
        db, QStringLiteral("SELECT %1 FROM records ORDER BY rowid").arg(columns.join(u',')));
    const int fieldCount = static_cast<int>(contents.fields.size());
    std::vector<bool> integerColumn(fieldCount);
    for (int i = 0; i < fieldCount; ++i)
        integerColumn[i] = storedAsInteger(contents.fields[i].type);
    PackedRecordBuilder builder;
    sqlite3_stmt* row = select.get();
    while (select.step()) {
        for (int i = 0; i < fieldCount; ++i) {
            const int kind = sqlite3_column_type(row, i);
            if (kind == SQLITE_NULL) {
                builder.addNull();
            } else if (integerColumn[i]) {
                if (kind != SQLITE_INTEGER)
                    refuseRead(path, QStringLiteral("field \"%1\" of record %2 is not a number")
                                         .arg(contents.fields[i].name)
                                         .arg(contents.records.size() + 1));
                const std::int64_t value = sqlite3_column_int64(row, i);
                if (contents.fields[i].type == FieldType::Boolean)
                    builder.addBoolean(value != 0);
                else
                    builder.addInteger(value);
            } else {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, i));
                builder.addBytes({text, static_cast<std::size_t>(sqlite3_column_bytes(row, i))});
            }
        }
        contents.records.push_back(builder.finish());
    }
    std::int64_t maxId = 0;
    if (contents.fields.first().type == FieldType::AutoIncrement)
        for (const PackedRecord& record : contents.records)
            if (!record.isNull(0))
                maxId = std::max(maxId, record.integer(0));
    contents.nextId = std::max(contents.nextId, maxId + 1);
    return contents;
}

void TableFile::write(const QString& path, const QList<FieldDef>& fields,
                      const std::vector<PackedRecord>& records, std::int64_t nextId) {
    const QFileInfo target(path);
    if (target.exists() && !looksLikeTableFile(path))
        throw TableError(QStringLiteral("Linkvale will not overwrite \"%1\": it is not a Linkvale "
                                        "table file.")
                             .arg(path));
    const QString temporary = path + QStringLiteral(".saving");
    QFile::remove(temporary);
    const QString purpose = QStringLiteral("save the table file");
    try {
        Connection db(temporary, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, purpose, path);
        // The file is new and replaces the old one only once complete, so it
        // needs no journal; one fsync before the rename makes it durable.
        db.exec(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; "
                               "PRAGMA application_id=%1; PRAGMA user_version=%2;")
                    .arg(kApplicationId)
                    .arg(kFormatVersion));
        db.exec(QStringLiteral("BEGIN"));
        db.exec(QStringLiteral("CREATE TABLE fields(position INTEGER PRIMARY KEY, name TEXT NOT "
                               "NULL, type TEXT NOT NULL, size INTEGER NOT NULL);"
                               "CREATE TABLE meta(key TEXT PRIMARY KEY, value);"));
        QStringList columns;
        QStringList placeholders;
        {
            Connection::Statement insertField(
                db, QStringLiteral("INSERT INTO fields VALUES (?, ?, ?, ?)"));
            for (int i = 0; i < fields.size(); ++i) {
                const QByteArray name = fields[i].name.toUtf8();
                const QByteArray type = fieldTypeName(fields[i].type).toUtf8();
                sqlite3_bind_int(insertField.get(), 1, i);
                sqlite3_bind_text(insertField.get(), 2, name.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(insertField.get(), 3, type.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_int(insertField.get(), 4, fields[i].size);
                insertField.step();
                insertField.reset();
                columns.append(quotedName(fields[i].name) + QLatin1Char(' ') +
                               (storedAsInteger(fields[i].type) ? QStringLiteral("INTEGER")
                                                                : QStringLiteral("TEXT")));
                placeholders.append(QStringLiteral("?"));
            }
        }
        {
            Connection::Statement meta(db,
                                       QStringLiteral("INSERT INTO meta VALUES ('next_id', ?)"));
            sqlite3_bind_int64(meta.get(), 1, nextId);
            meta.step();
        }
        db.exec(QStringLiteral("CREATE TABLE records(%1)").arg(columns.join(u',')));
        Connection::Statement insert(
            db, QStringLiteral("INSERT INTO records VALUES (%1)").arg(placeholders.join(u',')));
        sqlite3_stmt* statement = insert.get();
        const int fieldCount = static_cast<int>(fields.size());
        for (const PackedRecord& record : records) {
            for (int i = 0; i < fieldCount; ++i) {
                if (record.isNull(i)) {
                    sqlite3_bind_null(statement, i + 1);
                } else if (storedAsInteger(fields[i].type)) {
                    sqlite3_bind_int64(statement, i + 1,
                                       fields[i].type == FieldType::Boolean
                                           ? std::int64_t(record.boolean(i))
                                           : record.integer(i));
                } else {
                    const std::string_view bytes = record.bytes(i);
                    sqlite3_bind_text(statement, i + 1, bytes.data(),
                                      static_cast<int>(bytes.size()), SQLITE_STATIC);
                }
            }
            insert.step();
            sqlite3_reset(statement);
        }
        db.exec(QStringLiteral("COMMIT"));
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }

    if (target.exists())
        QFile::setPermissions(temporary, QFile::permissions(path));
    syncFile(temporary, O_RDONLY);
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) !=
        0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        throw TableError(
            QStringLiteral("Cannot save the table file \"%1\": %2.").arg(path, reason));
    }
    syncFile(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
}

} // namespace linkvale
