#pragma once

#include "field.h"
#include "packed_record.h"

#include <QList>
#include <QString>

#include <string>

namespace linkvale {

// One comparison of a filter expression, as written: [Field] op 'value'.
struct FilterTerm {
    enum class Op { Equal, GreaterOrEqual, LessOrEqual };
    QString field;
    Op op = Op::Equal;
    QString value;

    bool operator==(const FilterTerm&) const = default;
};

// Reads an expression of the form "[Field] op 'value'" (op one of =, >=, <=,
// a single quote inside the value doubled), comparisons joined by " AND ".
// Blanks may surround the operator and the AND. The empty text (or blanks
// only) gives no terms. Anything else throws TableError quoting the text.
QList<FilterTerm> parseFilterExpression(const QString& expression);

// Writes a text as a quoted filter value: O'Brien becomes 'O''Brien'.
QString quoteFilterValue(const QString& value);

// A parsed expression bound to the fields of a table: values are converted to
// each field's kind once, so testing a record costs no conversion.
class RecordFilter {
public:
    RecordFilter() = default;
    // Throws TableError, quoting the expression, for an unknown field or a
    // value the field's kind cannot take.
    RecordFilter(const QString& expression, const QList<FieldDef>& fields);

    bool isEmpty() const { return conditions_.empty(); }
    bool matches(const PackedRecord& record) const;

private:
    struct Condition {
        int field = 0;
        FieldType type = FieldType::Text;
        FilterTerm::Op op = FilterTerm::Op::Equal;
        bool valueIsNull = false;
        std::string bytes;       // texts, dates, date-times: the stored form
        std::int64_t number = 0; // integers and booleans
    };
    bool test(const Condition& condition, const PackedRecord& record) const;

    std::vector<Condition> conditions_;
};

} // namespace linkvale
