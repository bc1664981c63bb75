#include "field.h"

#include <array>
#include <utility>

namespace linkvale {
namespace {

constexpr std::array<std::pair<FieldType, const char*>, 8> kTypeNames{{
    {FieldType::AutoIncrement, "autoinc"},
    {FieldType::Text, "text"},
    {FieldType::Boolean, "boolean"},
    {FieldType::DateTime, "datetime"},
    {FieldType::Date, "date"},
    {FieldType::LongText, "longtext"},
    {FieldType::Integer, "integer"},
    {FieldType::LargeInteger, "largeinteger"},
}};

} // namespace

int fieldIndex(const QList<FieldDef>& fields, const QString& name) {
    for (int i = 0; i < fields.size(); ++i)
        if (fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString fieldTypeName(FieldType type) {
    for (const auto& [candidate, name] : kTypeNames)
        if (candidate == type)
            return QLatin1String(name);
    return {};
}

bool fieldTypeFromName(const QString& name, FieldType* type) {
    for (const auto& [candidate, candidateName] : kTypeNames)
        if (name == QLatin1String(candidateName)) {
            *type = candidate;
            return true;
        }
    return false;
}

} // namespace linkvale
