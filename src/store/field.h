#pragma once

#include <QList>
#include <QString>

namespace linkvale {

// The value kinds a table field can hold.
enum class FieldType {
    AutoIncrement, // 32-bit, assigned by the table on append, never written by the program
    Text,          // at most `size` characters, longer values are cut silently
    Boolean,
    DateTime,
    Date,
    LongText,
    Integer,      // 32-bit signed
    LargeInteger, // 64-bit signed
};

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // characters, for Text only

    bool operator==(const FieldDef&) const = default;
};

// Position of the field named `name`, compared without regard to case; -1 if none.
int fieldIndex(const QList<FieldDef>& fields, const QString& name);

// The name a field type carries inside a table file.
QString fieldTypeName(FieldType type);
// Inverse of fieldTypeName; false when the name is not one of ours.
bool fieldTypeFromName(const QString& name, FieldType* type);

// The fixed shape of one table: its file name, its fields in stored order and
// whether the table applies its filter expression.
struct TableDefinition {
    QString fileName;
    bool filtered = false;
    QList<FieldDef> fields;
};

} // namespace linkvale
