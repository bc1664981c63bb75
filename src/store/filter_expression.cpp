#include "filter_expression.h"

#include "field_value.h"
#include "table_error.h"
#include "text_order.h"

#include <QDateTime>

namespace linkvale {
namespace {

[[noreturn]] void refuse(const QString& expression, const QString& why) {
    throw TableError(QStringLiteral("The filter \"%1\" cannot be used: %2.").arg(expression, why));
}

class FilterReader {
public:
    explicit FilterReader(const QString& text) : text_(text) {}

    QList<FilterTerm> read() {
        QList<FilterTerm> terms;
        skipBlanks();
        if (atEnd())
            return terms;
        for (;;) {
            terms.append(readTerm());
            const qsizetype beforeBlanks = pos_;
            skipBlanks();
            if (atEnd())
                return terms;
            if (pos_ == beforeBlanks || !text_.mid(pos_).startsWith(QLatin1String("AND")))
                refuse(text_, QStringLiteral("comparisons must be joined by \" AND \""));
            pos_ += 3;
            const qsizetype afterAnd = pos_;
            skipBlanks();
            if (pos_ == afterAnd || atEnd())
                refuse(text_, QStringLiteral("\"AND\" must be followed by a comparison"));
        }
    }

private:
    FilterTerm readTerm() {
        FilterTerm term;
        expect(QLatin1Char('['), QStringLiteral("a comparison must start with a field name in "
                                                "square brackets"));
        const qsizetype close = text_.indexOf(QLatin1Char(']'), pos_);
        if (close < 0)
            refuse(text_, QStringLiteral("a field name is not closed by \"]\""));
        term.field = text_.mid(pos_, close - pos_);
        if (term.field.trimmed().isEmpty())
            refuse(text_, QStringLiteral("a field name is empty"));
        pos_ = close + 1;
        skipBlanks();
        if (peek() == QLatin1Char('=')) {
            term.op = FilterTerm::Op::Equal;
            pos_ += 1;
        } else if (text_.mid(pos_, 2) == QLatin1String(">=")) {
            term.op = FilterTerm::Op::GreaterOrEqual;
            pos_ += 2;
        } else if (text_.mid(pos_, 2) == QLatin1String("<=")) {
            term.op = FilterTerm::Op::LessOrEqual;
            pos_ += 2;
        } else {
            refuse(text_,
                   QStringLiteral("the operator after [%1] must be =, >= or <=").arg(term.field));
        }
        skipBlanks();
        term.value = readQuoted();
        return term;
    }

    QString readQuoted() {
        expect(QLatin1Char('\''), QStringLiteral("a value must be a text in single quotes"));
        QString value;
        for (;;) {
            if (atEnd())
                refuse(text_, QStringLiteral("a quoted value is not closed"));
            const QChar c = text_.at(pos_++);
            if (c != QLatin1Char('\'')) {
                value.append(c);
                continue;
            }
            if (peek() == QLatin1Char('\'')) {
                value.append(c);
                ++pos_;
                continue;
            }
            return value;
        }
    }

    void expect(QChar c, const QString& why) {
        if (peek() != c)
            refuse(text_, why);
        ++pos_;
    }
    QChar peek() const { return atEnd() ? QChar() : text_.at(pos_); }
    bool atEnd() const { return pos_ >= text_.size(); }
    void skipBlanks() {
        while (!atEnd() && text_.at(pos_) == QLatin1Char(' '))
            ++pos_;
    }

    const QString& text_;
    qsizetype pos_ = 0;
};

} // namespace

QList<FilterTerm> parseFilterExpression(const QString& expression) {
    return FilterReader(expression).read();
}

QString quoteFilterValue(const QString& value) {
    QString quoted = value;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

RecordFilter::RecordFilter(const QString& expression, const QList<FieldDef>& fields) {
    for (const FilterTerm& term : parseFilterExpression(expression)) {
        Condition condition;
        condition.field = fieldIndex(fields, term.field);
        if (condition.field < 0)
            refuse(expression,
                   QStringLiteral("the table has no field named \"%1\"").arg(term.field));
        const FieldDef& field = fields[condition.field];
        condition.type = field.type;
        condition.op = term.op;
        if (isTextType(field.type)) {
            condition.bytes = term.value.toStdString();
        } else if (term.value.trimmed().isEmpty()) {
            // An empty value stands for "no value" in a field that is not a text.
            condition.valueIsNull = true;
        } else {
            QVariant converted;
            QString problem;
            if (!coerceComparisonValue(field, term.value, &converted, &problem))
                refuse(expression, QStringLiteral("'%1' %2, as field \"%3\" needs")
                                       .arg(term.value, problem, field.name));
            if (field.type == FieldType::DateTime)
                condition.bytes = dateTimeStorageText(converted.toDateTime()).toStdString();
            else if (field.type == FieldType::Date)
                condition.bytes = dateStorageText(converted.toDate()).toStdString();
            else
                condition.number = converted.toLongLong();
        }
        conditions_.push_back(std::move(condition));
    }
}

bool RecordFilter::matches(const PackedRecord& record) const {
    for (const Condition& condition : conditions_)
        if (!test(condition, record))
            return false;
    return true;
}

bool RecordFilter::test(const Condition& c, const PackedRecord& record) const {
    const bool fieldIsNull = record.isNull(c.field);
    int order;
    if (isTextType(c.type)) {
        const std::string_view stored = fieldIsNull ? std::string_view() : record.bytes(c.field);
        if (c.op == FilterTerm::Op::Equal)
            return stored == c.bytes; // exact, case-sensitive
        order = compareTextOrder(stored, c.bytes);
    } else if (fieldIsNull || c.valueIsNull) {
        // A missing value sorts before every value.
        order = fieldIsNull == c.valueIsNull ? 0 : (fieldIsNull ? -1 : 1);
    } else if (isIntegerType(c.type) || c.type == FieldType::Boolean) {
        const std::int64_t stored = c.type == FieldType::Boolean ? (record.boolean(c.field) ? 1 : 0)
                                                                 : record.integer(c.field);
        order = (stored > c.number) - (stored < c.number);
    } else {
        const int raw = record.bytes(c.field).compare(c.bytes);
        order = (raw > 0) - (raw < 0);
    }
    switch (c.op) {
    case FilterTerm::Op::Equal:
        return order == 0;
    case FilterTerm::Op::GreaterOrEqual:
        return order >= 0;
    case FilterTerm::Op::LessOrEqual:
        return order <= 0;
    }
    return false;
}

} // namespace linkvale
