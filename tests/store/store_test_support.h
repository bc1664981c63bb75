#pragma once

#include "store/table.h"
#include "store/table_error.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace linkvale::testing {

// A table with one field of every kind, small enough to reason about.
inline TableDefinition everyKindDefinition() {
    return {QStringLiteral("Kinds.cds"),
            true,
            {{QStringLiteral("ID"), FieldType::AutoIncrement, 0},
             {QStringLiteral("Name"), FieldType::Text, 10},
             {QStringLiteral("Flag"), FieldType::Boolean, 0},
             {QStringLiteral("Stamp"), FieldType::DateTime, 0},
             {QStringLiteral("Day"), FieldType::Date, 0},
             {QStringLiteral("Memo"), FieldType::LongText, 0},
             {QStringLiteral("Count"), FieldType::Integer, 0},
             {QStringLiteral("Big"), FieldType::LargeInteger, 0}}};
}

// Appends and posts one record whose fields are given by name.
inline void addRecord(Table& table,
                      std::initializer_list<std::pair<const char*, QVariant>> values) {
    table.append();
    for (const auto& [name, value] : values)
        table.setField(QLatin1String(name), value);
    table.post();
}

// The values of one field over the records the cursor visits, in order.
inline QStringList walk(Table& table, const QString& field) {
    QStringList seen;
    for (table.first(); !table.atEnd(); table.next())
        seen.append(table.field(field).toString());
    return seen;
}

// Expects `action` to throw a TableError whose message contains `part`.
template <typename Action> void expectTableError(Action&& action, const QString& part) {
    try {
        action();
        ADD_FAILURE() << "no TableError; expected one mentioning " << part.toStdString();
    } catch (const TableError& error) {
        EXPECT_TRUE(error.message().contains(part))
            << error.message().toStdString() << " does not mention " << part.toStdString();
    }
}

} // namespace linkvale::testing
