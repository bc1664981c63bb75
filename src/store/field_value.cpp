#include "field_value.h"

#include "text_order.h"

#include <QDateTime>

#include <limits>

namespace linkvale {
namespace {

constexpr auto kDateTimeFormat = "yyyy-MM-ddTHH:mm:ss";
constexpr auto kDateFormat = "yyyy-MM-dd";

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

bool parseInteger(const QVariant& value, qint64* out) {
    bool ok = false;
    switch (value.typeId()) {
    case QMetaType::Bool:
        *out = value.toBool() ? 1 : 0;
        return true;
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (d != static_cast<double>(static_cast<qint64>(d)))
            return false;
        *out = static_cast<qint64>(d);
        return true;
    }
    default:
        *out = value.toString().trimmed().toLongLong(&ok);
        return ok;
    }
}

bool parseBoolean(const QVariant& value, bool* out) {
    if (value.typeId() == QMetaType::Bool) {
        *out = value.toBool();
        return true;
    }
    const QString text = value.toString().trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1")) {
        *out = true;
        return true;
    }
    if (text == QLatin1String("false") || text == QLatin1String("0")) {
        *out = false;
        return true;
    }
    return false;
}

QDateTime parseDateTime(const QVariant& value) {
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime();
    if (value.typeId() == QMetaType::QDate)
        return value.toDate().startOfDay();
    const QString text = value.toString().trimmed();
    QDateTime parsed = QDateTime::fromString(text, Qt::ISODate);
    if (!parsed.isValid())
        parsed = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!parsed.isValid()) {
        const QDate date = QDate::fromString(text, Qt::ISODate);
        if (date.isValid())
            parsed = date.startOfDay();
    }
    return parsed;
}

QDate parseDate(const QVariant& value) {
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QString text = value.toString().trimmed();
    QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid())
        date = QDateTime::fromString(text, Qt::ISODate).date();
    return date;
}

} // namespace

bool isTextType(FieldType type) {
    return type == FieldType::Text || type == FieldType::LongText;
}

bool isIntegerType(FieldType type) {
    return type == FieldType::AutoIncrement || type == FieldType::Integer ||
           type == FieldType::LargeInteger;
}

QString cutToSize(const QString& text, int size) {
    if (text.size() <= size)
        return text;
    // Count code points, so a character outside the basic plane is never split.
    qsizetype units = 0;
    for (int points = 0; points < size && units < text.size(); ++points)
        units += (text.at(units).isHighSurrogate() && units + 1 < text.size()) ? 2 : 1;
    return text.left(units);
}

QByteArray dateTimeStorageText(const QDateTime& value) {
    return value.toString(QLatin1String(kDateTimeFormat)).toLatin1();
}

QByteArray dateStorageText(const QDate& value) {
    return value.toString(QLatin1String(kDateFormat)).toLatin1();
}

bool coerceFieldValue(const FieldDef& field, const QVariant& value, QVariant* out,
                      QString* problem) {
    if (!value.isValid() || value.isNull()) {
        *out = QVariant();
        return true;
    }
    switch (field.type) {
    case FieldType::Text:
        *out = cutToSize(value.toString(), field.size);
        return true;
    case FieldType::LongText:
        *out = value.toString();
        return true;
    case FieldType::Boolean: {
        bool flag = false;
        if (!parseBoolean(value, &flag)) {
            *problem = QStringLiteral("is not true or false");
            return false;
        }
        *out = flag;
        return true;
    }
    case FieldType::AutoIncrement:
    case FieldType::Integer:
    case FieldType::LargeInteger: {
        qint64 number = 0;
        if (!parseInteger(value, &number)) {
            *problem = QStringLiteral("is not a whole number");
            return false;
        }
        if (field.type != FieldType::LargeInteger &&
            (number < std::numeric_limits<qint32>::min() ||
             number > std::numeric_limits<qint32>::max())) {
            *problem = QStringLiteral("does not fit a 32-bit whole number");
            return false;
        }
        *out = field.type == FieldType::LargeInteger ? QVariant(number)
                                                     : QVariant(static_cast<int>(number));
        return true;
    }
    case FieldType::DateTime: {
        QDateTime moment = parseDateTime(value);
        if (!moment.isValid()) {
            *problem = QStringLiteral("is not a date and time");
            return false;
        }
        // Files keep whole seconds; keep memory and file alike.
        const QTime time = moment.time();
        moment.setTime(QTime(time.hour(), time.minute(), time.second()));
        *out = moment;
        return true;
    }
    case FieldType::Date: {
        const QDate date = parseDate(value);
        if (!date.isValid()) {
            *problem = QStringLiteral("is not a date");
            return false;
        }
        *out = date;
        return true;
    }
    }
    return false;
}

bool coerceComparisonValue(const FieldDef& field, const QVariant& value, QVariant* out,
                           QString* problem) {
    FieldDef unbounded = field;
    unbounded.size = std::numeric_limits<int>::max();
    if (unbounded.type == FieldType::AutoIncrement)
        unbounded.type = FieldType::Integer;
    return coerceFieldValue(unbounded, value, out, problem);
}

void packFieldValue(const FieldDef& field, const QVariant& value, PackedRecordBuilder& builder) {
    if (!value.isValid()) {
        builder.addNull();
        return;
    }
    switch (field.type) {
    case FieldType::Text:
    case FieldType::LongText:
        builder.addBytes(view(value.toString().toUtf8()));
        return;
    case FieldType::Boolean:
        builder.addBoolean(value.toBool());
        return;
    case FieldType::AutoIncrement:
    case FieldType::Integer:
    case FieldType::LargeInteger:
        builder.addInteger(value.toLongLong());
        return;
    case FieldType::DateTime:
        builder.addBytes(view(dateTimeStorageText(value.toDateTime())));
        return;
    case FieldType::Date:
        builder.addBytes(view(dateStorageText(value.toDate())));
        return;
    }
}

QVariant unpackFieldValue(const FieldDef& field, const PackedRecord& record, int index) {
    if (record.isNull(index))
        return {};
    const std::string_view raw = record.bytes(index);
    switch (field.type) {
    case FieldType::Text:
    case FieldType::LongText:
        return QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()));
    case FieldType::Boolean:
        return record.boolean(index);
    case FieldType::AutoIncrement:
    case FieldType::Integer:
        return static_cast<int>(record.integer(index));
    case FieldType::LargeInteger:
        return static_cast<qlonglong>(record.integer(index));
    case FieldType::DateTime: {
        const QDateTime moment = QDateTime::fromString(
            QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size())), Qt::ISODate);
        return moment.isValid() ? QVariant(moment) : QVariant();
    }
    case FieldType::Date: {
        const QDate date = QDate::fromString(
            QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size())), Qt::ISODate);
        return date.isValid() ? QVariant(date) : QVariant();
    }
    }
    return {};
}

int compareFieldValues(FieldType type, const PackedRecord& a, const PackedRecord& b, int index) {
    const bool nullA = a.isNull(index);
    const bool nullB = b.isNull(index);
    if (isTextType(type)) {
        // Null and empty text are one value for ordering and filtering.
        return compareTextOrder(nullA ? std::string_view() : a.bytes(index),
                                nullB ? std::string_view() : b.bytes(index));
    }
    if (nullA || nullB)
        return nullA == nullB ? 0 : (nullA ? -1 : 1);
    switch (type) {
    case FieldType::Boolean:
        return int(a.boolean(index)) - int(b.boolean(index));
    case FieldType::AutoIncrement:
    case FieldType::Integer:
    case FieldType::LargeInteger: {
        const qint64 x = a.integer(index);
        const qint64 y = b.integer(index);
        return (x > y) - (x < y);
    }
    default: {
        const int c = a.bytes(index).compare(b.bytes(index));
        return (c > 0) - (c < 0);
    }
    }
}

} // namespace linkvale
