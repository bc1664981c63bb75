#include "table.h"

#include "field_value.h"
#include "table_error.h"
#include "table_file.h"
#include "text_order.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>
#include <numeric>

namespace linkvale {
namespace {

QStringList splitFieldList(const QString& fieldList) {
    QStringList names;
    if (fieldList.trimmed().isEmpty())
        return names;
    for (const QString& part : fieldList.split(QLatin1Char(';')))
        names.append(part.trimmed());
    return names;
}

} // namespace

Table::Table(TableDefinition definition)
    : definition_(std::move(definition)), fields_(definition_.fields) {}

QString Table::displayName() const {
    return fileName_.isEmpty() ? definition_.fileName : QFileInfo(fileName_).fileName();
}

// --- the file -------------------------------------------------------------

void Table::setFileName(const QString& path) {
    fileName_ = path;
}

bool Table::fileExists() const {
    return !fileName_.isEmpty() && QFileInfo(fileName_).isFile();
}

void Table::open() {
    if (open_)
        return;
    requireFileName();
    TableFileContents contents;
    try {
        contents = TableFile::read(fileName_);
    } catch (const TableError&) {
        refusedFile_ = QFileInfo(fileName_).absoluteFilePath();
        throw;
    }
    refusedFile_.clear();
    startBrowsing(std::move(contents), false);
}

void Table::createEmpty() {
    close();
    TableFileContents empty;
    empty.fields = definition_.fields;
    startBrowsing(std::move(empty), true); // an empty table is still written on close
}

void Table::startBrowsing(TableFileContents contents, bool modified) {
    fields_ = std::move(contents.fields);
    rows_ = std::move(contents.records);
    nextId_ = contents.nextId;
    open_ = true;
    modified_ = modified;
    state_ = State::Browsing;
    resolveSortKey();
    resolveFilter();
    orders_.clear();
    buildActiveOrder();
    rebuildView();
    first();
}

void Table::save() {
    requireOpen("save");
    checkBrowseMode();
    requireFileName();
    if (!refusedFile_.isEmpty() && QFileInfo(fileName_).absoluteFilePath() == refusedFile_)
        throw TableError(QStringLiteral("Linkvale will not overwrite \"%1\": the file could not "
                                        "be read when it was opened.")
                             .arg(fileName_));
    TableFile::write(fileName_, fields_, rows_, nextId_);
    modified_ = false;
}

void Table::close() {
    if (!open_)
        return;
    checkBrowseMode();
    if (modified_)
        save();
    open_ = false;
    rows_.clear();
    rows_.shrink_to_fit();
    orders_.clear();
    filteredView_ = Order();
    position_ = -1;
    atEnd_ = atStart_ = true;
}

// --- order and filter -----------------------------------------------------

void Table::setSortKey(const QString& fieldList) {
    requireFields(fieldList); // refuse an unknown field before anything changes
    if (open_)
        checkBrowseMode();
    sortKeyText_ = fieldList;
    if (!open_)
        return; // resolved against the file's fields when opened
    const std::int64_t row = currentRow();
    resolveSortKey();
    buildActiveOrder();
    rebuildView();
    placeCursorOn(row);
}

void Table::resolveSortKey() {
    sortFields_.clear();
    QStringList normalised;
    for (const QString& name : splitFieldList(sortKeyText_)) {
        const int index = fieldIndex(name);
        if (index < 0) {
            // The file's fields lack a field of the key: fall back to stored order.
            sortFields_.clear();
            normalised.clear();
            break;
        }
        sortFields_.push_back(index);
        normalised.append(QString::number(index));
    }
    activeKey_ = normalised.join(QLatin1Char(';'));
}

void Table::setFilter(const QString& expression) {
    RecordFilter parsed(expression, fields_); // throws before anything changes
    if (open_)
        checkBrowseMode();
    filterText_ = expression;
    recordFilter_ = std::move(parsed);
    if (!open_)
        return;
    rebuildView();
    first();
}

void Table::resolveFilter() {
    try {
        recordFilter_ = RecordFilter(filterText_, fields_);
    } catch (const TableError&) {
        // The file's fields lack a field of the filter: show every record.
        filterText_.clear();
        recordFilter_ = RecordFilter();
    }
}

bool Table::comesBefore(std::uint32_t a, std::uint32_t b) const {
    for (const int field : sortFields_) {
        const int c = compareFieldValues(fields_[field].type, rows_[a], rows_[b], field);
        if (c != 0)
            return c < 0;
    }
    return a < b; // equal keys keep their stored order
}

int Table::compareKey(const PackedRecord& record, const std::vector<int>& fields,
                      const PackedRecord& probe) const {
    for (const int field : fields) {
        const int c = compareFieldValues(fields_[field].type, record, probe, field);
        if (c != 0)
            return c;
    }
    return 0;
}

bool Table::sameKey(const PackedRecord& a, const PackedRecord& b) const {
    return compareKey(a, sortFields_, b) == 0;
}

void Table::buildActiveOrder() {
    if (orders_.count(activeKey_))
        return;
    Order order(rows_.size());
    std::iota(order.begin(), order.end(), 0u);
    if (!sortFields_.empty() && isTextType(fields_[sortFields_.front()].type))
        sortByFoldedLeadingText(order);
    else if (!sortFields_.empty())
        std::sort(order.begin(), order.end(),
                  [this](std::uint32_t a, std::uint32_t b) { return comesBefore(a, b); });
    orders_[activeKey_] = std::move(order);
}

void Table::sortByFoldedLeadingText(Order& order) const {
    // Folding every text once, into one buffer, turns most comparisons into a
    // memcmp over neighbouring bytes instead of folding two scattered records.
    const int field = sortFields_.front();
    std::string folded;
    std::vector<std::uint32_t> ends(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (!rows_[row].isNull(field))
            appendFoldedText(rows_[row].bytes(field), folded);
        ends[row] = static_cast<std::uint32_t>(folded.size());
    }
    const auto foldedOf = [&](std::uint32_t row) {
        const std::uint32_t begin = row == 0 ? 0 : ends[row - 1];
        return std::string_view(folded).substr(begin, ends[row] - begin);
    };
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        if (const int c = foldedOf(a).compare(foldedOf(b)); c != 0)
            return c < 0;
        return comesBefore(a, b); // equal folded texts: exact text, other fields, stored order
    });
}

void Table::rebuildView() {
    filteredView_.clear();
    if (!filterActive()) {
        filteredView_.shrink_to_fit();
        return;
    }
    for (const std::uint32_t row : activeOrder())
        if (recordFilter_.matches(rows_[row]))
            filteredView_.push_back(row);
}

void Table::dropInactiveOrders() {
    for (auto it = orders_.begin(); it != orders_.end();)
        it = it->first == activeKey_ ? std::next(it) : orders_.erase(it);
}

Table::Order::iterator Table::findInOrder(Order& order, std::uint32_t row) const {
    // Orders are sorted by (key, row), so a row is found by binary search as
    // long as its record still holds the values it was sorted by.
    const auto at =
        std::lower_bound(order.begin(), order.end(), row,
                         [this](std::uint32_t a, std::uint32_t b) { return comesBefore(a, b); });
    return at != order.end() && *at == row ? at : order.end();
}

int Table::insertIntoOrders(std::uint32_t row) {
    dropInactiveOrders();
    const auto before = [this](std::uint32_t a, std::uint32_t b) { return comesBefore(a, b); };
    Order& order = orders_.at(activeKey_);
    const auto at = order.insert(std::lower_bound(order.begin(), order.end(), row, before), row);
    if (!filterActive())
        return static_cast<int>(at - order.begin());
    if (!recordFilter_.matches(rows_[row]))
        return -1;
    const auto shown = filteredView_.insert(
        std::lower_bound(filteredView_.begin(), filteredView_.end(), row, before), row);
    return static_cast<int>(shown - filteredView_.begin());
}

void Table::removeFromOrders(std::uint32_t row, bool shiftLaterRows) {
    dropInactiveOrders();
    for (Order* order : {&orders_.at(activeKey_), &filteredView_}) {
        if (const auto at = findInOrder(*order, row); at != order->end())
            order->erase(at);
        if (shiftLaterRows)
            for (std::uint32_t& entry : *order)
                entry -= entry > row ? 1 : 0;
    }
}

// --- cursor ---------------------------------------------------------------

std::int64_t Table::currentRow() const {
    const Order& rows = view();
    if (position_ < 0 || position_ >= static_cast<int>(rows.size()))
        return -1;
    return rows[position_];
}

void Table::placeCursorOn(std::int64_t row) {
    const Order& rows = view();
    const auto found = row < 0 ? rows.end() : std::find(rows.begin(), rows.end(), row);
    if (found != rows.end())
        position_ = static_cast<int>(found - rows.begin());
    else
        position_ = rows.empty() ? -1 : std::clamp(position_, 0, static_cast<int>(rows.size()) - 1);
    atEnd_ = atStart_ = rows.empty();
}

void Table::first() {
    requireOpen("move to the first record");
    checkBrowseMode();
    position_ = view().empty() ? -1 : 0;
    atStart_ = true;
    atEnd_ = view().empty();
}

void Table::last() {
    requireOpen("move to the last record");
    checkBrowseMode();
    position_ = static_cast<int>(view().size()) - 1;
    atEnd_ = true;
    atStart_ = view().empty();
}

void Table::next() {
    requireOpen("move to the next record");
    checkBrowseMode();
    if (position_ + 1 < static_cast<int>(view().size())) {
        ++position_;
        atStart_ = atEnd_ = false;
    } else {
        atEnd_ = true;
    }
}

void Table::prior() {
    requireOpen("move to the prior record");
    checkBrowseMode();
    if (position_ > 0) {
        --position_;
        atStart_ = atEnd_ = false;
    } else {
        atStart_ = true;
    }
}

bool Table::atEnd() const {
    requireOpen("test for the end");
    return atEnd_;
}

bool Table::atStart() const {
    requireOpen("test for the start");
    return atStart_;
}

int Table::recordCount() const {
    requireOpen("count the records");
    return static_cast<int>(view().size());
}

bool Table::locate(const QString& fieldList, const QVariantList& values) {
    requireOpen("locate a record");
    const QList<int> fields = requireFields(fieldList);
    if (fields.isEmpty() || fields.size() != values.size())
        throw TableError(QStringLiteral("Cannot locate in %1: %2 field(s) \"%3\" but %4 value(s).")
                             .arg(displayName())
                             .arg(fields.size())
                             .arg(fieldList)
                             .arg(values.size()));
    checkBrowseMode();

    // A probe record carries the searched values in the fields' own form.
    QVariantList probeValues(fieldCount());
    for (int i = 0; i < fields.size(); ++i) {
        QString problem;
        if (!coerceComparisonValue(fields_[fields[i]], values[i], &probeValues[fields[i]],
                                   &problem))
            return false; // no record can hold such a value
    }
    PackedRecordBuilder builder;
    for (int i = 0; i < fieldCount(); ++i)
        packFieldValue(fields_[i], probeValues[i], builder);
    const PackedRecord probe = builder.finish();
    const std::vector<int> searched(fields.begin(), fields.end());

    const Order& rows = view();
    auto candidate = rows.begin();
    // When the searched fields lead the sort key the records are in their
    // order: binary search instead of a walk.
    const bool ordered = searched.size() <= sortFields_.size() &&
                         std::equal(searched.begin(), searched.end(), sortFields_.begin());
    if (ordered)
        candidate = std::lower_bound(rows.begin(), rows.end(), probe,
                                     [&](std::uint32_t row, const PackedRecord& key) {
                                         return compareKey(rows_[row], searched, key) < 0;
                                     });
    for (; candidate != rows.end(); ++candidate) {
        const int c = compareKey(rows_[*candidate], searched, probe);
        if (c == 0) {
            position_ = static_cast<int>(candidate - rows.begin());
            atStart_ = atEnd_ = false;
            return true;
        }
        if (ordered)
            break;
    }
    return false;
}

// --- changing records -------------------------------------------------------

void Table::checkBrowseMode() {
    if (state_ != State::Browsing)
        post();
}

void Table::append() {
    requireOpen("append a record");
    checkBrowseMode();
    buffer_ = QVariantList(fieldCount());
    if (!fields_.isEmpty() && fields_.first().type == FieldType::AutoIncrement) {
        if (nextId_ > std::numeric_limits<qint32>::max())
            throw TableError(
                QStringLiteral("The table %1 has used up its record numbers.").arg(displayName()));
        buffer_[0] = static_cast<int>(nextId_++);
    }
    state_ = State::Inserting;
    if (newRecordRule_) {
        try {
            newRecordRule_(*this);
        } catch (...) {
            cancel();
            throw;
        }
    }
}

void Table::edit() {
    requireOpen("edit a record");
    if (state_ != State::Browsing)
        return;
    requireCurrent("edit");
    editedRow_ = currentRow();
    buffer_ = QVariantList(fieldCount());
    for (int i = 0; i < fieldCount(); ++i)
        buffer_[i] = unpackFieldValue(fields_[i], rows_[editedRow_], i);
    state_ = State::Editing;
}

PackedRecord Table::packBuffer() const {
    PackedRecordBuilder builder;
    for (int i = 0; i < fieldCount(); ++i)
        packFieldValue(fields_[i], buffer_[i], builder);
    return builder.finish();
}

void Table::post() {
    requireOpen("post a record");
    if (state_ == State::Browsing)
        throw TableError(QStringLiteral("Cannot post to %1: it is not in edit or insert mode.")
                             .arg(displayName()));
    if (beforePostRule_)
        beforePostRule_(*this); // a rule that throws leaves the record pending
    PackedRecord record = packBuffer();
    int shownAt = position_;
    if (state_ == State::Inserting) {
        const auto row = static_cast<std::uint32_t>(rows_.size());
        rows_.push_back(std::move(record));
        shownAt = insertIntoOrders(row);
    } else {
        const auto row = static_cast<std::uint32_t>(editedRow_);
        const bool keyUnchanged = sameKey(rows_[row], record);
        const bool wasShown = !filterActive() || recordFilter_.matches(rows_[row]);
        const bool isShown = !filterActive() || recordFilter_.matches(record);
        if (keyUnchanged && wasShown == isShown) {
            rows_[row] = std::move(record); // its place in every order stays
            dropInactiveOrders();
        } else {
            removeFromOrders(row, false);
            rows_[row] = std::move(record);
            shownAt = insertIntoOrders(row);
        }
    }
    modified_ = true;
    state_ = State::Browsing;
    buffer_.clear();
    editedRow_ = -1;
    // A record the filter hides leaves the cursor near where it was.
    const int shownCount = static_cast<int>(view().size());
    position_ = shownAt >= 0 ? shownAt : std::min(position_, shownCount - 1);
    atEnd_ = atStart_ = shownCount == 0;
    if (afterPostRule_)
        afterPostRule_(*this);
}

void Table::cancel() {
    if (state_ == State::Browsing)
        return;
    // The cursor never moved while the record was pending.
    state_ = State::Browsing;
    buffer_.clear();
    editedRow_ = -1;
}

void Table::deleteRecord() {
    requireOpen("delete a record");
    if (state_ == State::Inserting) {
        cancel();
        return;
    }
    cancel();
    requireCurrent("delete");
    const auto row = static_cast<std::uint32_t>(currentRow());
    removeFromOrders(row, true);
    rows_.erase(rows_.begin() + row);
    modified_ = true;
    position_ = std::min(position_, static_cast<int>(view().size()) - 1);
    atEnd_ = atStart_ = view().empty();
}

// --- fields -----------------------------------------------------------------

int Table::fieldIndex(const QString& name) const {
    return linkvale::fieldIndex(fields_, name);
}

void Table::requireFieldNumber(int index) const {
    if (index < 0 || index >= fieldCount())
        throw TableError(
            QStringLiteral("The table %1 has no field number %2.").arg(displayName()).arg(index));
}

int Table::requireField(const QString& name) const {
    const int index = fieldIndex(name);
    if (index < 0)
        throw TableError(
            QStringLiteral("The table %1 has no field named \"%2\".").arg(displayName(), name));
    return index;
}

QList<int> Table::requireFields(const QString& fieldList) const {
    QList<int> indexes;
    for (const QString& name : splitFieldList(fieldList))
        indexes.append(requireField(name));
    return indexes;
}

QVariant Table::field(int index) const {
    requireOpen("read a field");
    requireFieldNumber(index);
    if (state_ != State::Browsing)
        return buffer_[index];
    const std::int64_t row = currentRow();
    return row < 0 ? QVariant() : unpackFieldValue(fields_[index], rows_[row], index);
}

void Table::setField(int index, const QVariant& value) {
    requireOpen("change a field");
    requireFieldNumber(index);
    const FieldDef& def = fields_[index];
    if (state_ == State::Browsing)
        throw TableError(QStringLiteral("Cannot change field \"%1\" of %2: it is not in edit or "
                                        "insert mode.")
                             .arg(def.name, displayName()));
    if (def.type == FieldType::AutoIncrement)
        throw TableError(QStringLiteral("Field \"%1\" of %2 is numbered by the table and cannot "
                                        "be changed.")
                             .arg(def.name, displayName()));
    QString problem;
    if (!coerceFieldValue(def, value, &buffer_[index], &problem))
        throw TableError(QStringLiteral("Field \"%1\" of %2 cannot take the value \"%3\": it %4.")
                             .arg(def.name, displayName(), value.toString(), problem));
}

void Table::requireFileName() const {
    if (fileName_.isEmpty())
        throw TableError(QStringLiteral("The table %1 has no file name.").arg(displayName()));
}

void Table::requireOpen(const char* operation) const {
    if (!open_)
        throw TableError(QStringLiteral("Cannot %1: the table %2 is not open.")
                             .arg(QLatin1String(operation), displayName()));
}

void Table::requireCurrent(const char* operation) const {
    if (currentRow() < 0)
        throw TableError(QStringLiteral("Cannot %1: the table %2 has no current record.")
                             .arg(QLatin1String(operation), displayName()));
}

} // namespace linkvale
