#pragma once

#include "field.h"
#include "packed_record.h"

#include <QString>

#include <vector>

namespace linkvale {

// What a table file holds.
struct TableFileContents {
    QList<FieldDef> fields;
    std::vector<PackedRecord> records;
    std::int64_t nextId = 1; // the auto-increment value the next record gets
};

// Table files are SQLite databases: the records in a table named "records",
// one column per field in field order, the field definitions in "fields", and
// the next auto-increment value in "meta". The application id marks the file
// as ours; the user version is the format version.
namespace TableFile {

constexpr int kApplicationId = 0x4C4B564C; // "LKVL"
constexpr int kFormatVersion = 1;

// Reads a whole file. Throws TableError naming the file when it cannot be
// read, is not a table file of ours, is of a newer format or is damaged.
TableFileContents read(const QString& path);

// Replaces the file with the given records in one step: the records are
// written to a file beside it, flushed to disk and then renamed over it, so
// an interruption leaves the previous file whole. Throws TableError when the
// path holds a file that is not ours (it is never overwritten) or when the
// file cannot be written.
void write(const QString& path, const QList<FieldDef>& fields,
           const std::vector<PackedRecord>& records, std::int64_t nextId);

// True when the path holds a file that carries our mark; a cheap header check.
bool looksLikeTableFile(const QString& path);

} // namespace TableFile
} // namespace linkvale
