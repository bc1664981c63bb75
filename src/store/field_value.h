#pragma once

#include "field.h"
#include "packed_record.h"

#include <QVariant>

namespace linkvale {

// Turns a value handed in by the program into the field's own kind: texts are
// cut to the field size, numbers and dates are parsed, an invalid QVariant
// stays null. Returns false (and leaves *out untouched) when the value cannot
// be taken by the field; *problem then says why.
bool coerceFieldValue(const FieldDef& field, const QVariant& value, QVariant* out,
                      QString* problem);

// A value to compare stored values of the field with (in a filter or a
// locate): like coerceFieldValue, but texts are not cut, since a longer value
// must not match its cut form, and a record number is read as a number.
bool coerceComparisonValue(const FieldDef& field, const QVariant& value, QVariant* out,
                           QString* problem);

// A coerced value into a record under construction, and back.
void packFieldValue(const FieldDef& field, const QVariant& value, PackedRecordBuilder& builder);
QVariant unpackFieldValue(const FieldDef& field, const PackedRecord& record, int index);

// Ordering of two stored values of one field: nulls first (a null text counts
// as the empty text), texts in text order, numbers and dates by value.
int compareFieldValues(FieldType type, const PackedRecord& a, const PackedRecord& b, int index);

// Stored form of a date-time / date value (ISO 8601 with seconds / plain date).
QByteArray dateTimeStorageText(const QDateTime& value);
QByteArray dateStorageText(const QDate& value);

// Cuts a text to at most `size` code points.
QString cutToSize(const QString& text, int size);

bool isTextType(FieldType type);
bool isIntegerType(FieldType type);

} // namespace linkvale
