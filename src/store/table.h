#pragma once

#include "field.h"
#include "filter_expression.h"
#include "packed_record.h"
#include "table_file.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <map>
#include <vector>

namespace linkvale {

// An in-memory table bound to one table file: it loads every record when
// opened, keeps a cursor that walks the records in the order of its sort key
// among those passing its filter, and writes every record back when saved or
// closed. Failures throw TableError with a message that names the file.
//
// Mutations follow the browse / insert / edit cycle: append() and edit() open
// a pending record, post() stores it (running the before- and after-post
// rules), cancel() drops it. Moving the cursor, changing the sort key or the
// filter, saving and closing first post a pending record.
class Table {
public:
    enum class State { Browsing, Inserting, Editing };
    using Rule = std::function<void(Table&)>;

    explicit Table(TableDefinition definition);
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // --- the file ---
    void setFileName(const QString& path);
    const QString& fileName() const { return fileName_; }
    bool fileExists() const;
    void open();
    void createEmpty();
    void save();
    void close();
    bool isOpen() const { return open_; }
    // True when the records differ from what the file holds.
    bool isModified() const { return modified_; }

    // --- order, filter and cursor ---
    void setSortKey(const QString& fieldList);
    const QString& sortKey() const { return sortKeyText_; }
    void setFilter(const QString& expression);
    const QString& filter() const { return filterText_; }
    bool isFiltered() const { return definition_.filtered; }
    // The file name the table is known by, whatever path it is opened from.
    const QString& standardFileName() const { return definition_.fileName; }

    void first();
    void next();
    void prior();
    void last();
    bool atEnd() const;
    bool atStart() const;
    int recordCount() const;
    bool isEmpty() const { return recordCount() == 0; }
    // Moves to the first record, in the current order among those passing the
    // filter, whose fields equal the values exactly; false leaves the cursor.
    bool locate(const QString& fieldList, const QVariantList& values);
    bool locate(const QString& field, const QVariant& value) {
        return locate(field, QVariantList{value});
    }

    // --- changing records ---
    State state() const { return state_; }
    void append();
    void edit();
    void post();
    void cancel();
    void deleteRecord();

    // --- fields of the current (or pending) record ---
    const QList<FieldDef>& fields() const { return fields_; }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    // Position of a field, names compared without regard to case; -1 if none.
    int fieldIndex(const QString& name) const;
    QVariant field(int index) const;
    QVariant field(const QString& name) const { return field(requireField(name)); }
    // The field as text; the empty text for null.
    QString text(const QString& name) const { return field(name).toString(); }
    bool isNull(const QString& name) const { return !field(name).isValid(); }
    void setField(int index, const QVariant& value);
    void setField(const QString& name, const QVariant& value) {
        setField(requireField(name), value);
    }

    // --- record rules ---
    void setNewRecordRule(Rule rule) { newRecordRule_ = std::move(rule); }
    void setBeforePostRule(Rule rule) { beforePostRule_ = std::move(rule); }
    void setAfterPostRule(Rule rule) { afterPostRule_ = std::move(rule); }

    // The name used in messages: the file name, or the table's own name.
    QString displayName() const;

private:
    using Order = std::vector<std::uint32_t>;

    int requireField(const QString& name) const;
    QList<int> requireFields(const QString& fieldList) const;
    void requireOpen(const char* operation) const;
    void requireFileName() const;
    void requireFieldNumber(int index) const;
    void requireCurrent(const char* operation) const;
    void startBrowsing(TableFileContents contents, bool modified);
    void checkBrowseMode();
    void resolveSortKey();
    void resolveFilter();

    // The sort order of all records, and the records passing the filter in it.
    const Order& activeOrder() const { return orders_.at(activeKey_); }
    const Order& view() const { return filterActive() ? filteredView_ : activeOrder(); }
    bool filterActive() const { return definition_.filtered && !recordFilter_.isEmpty(); }
    bool comesBefore(std::uint32_t a, std::uint32_t b) const;
    int compareKey(const PackedRecord& record, const std::vector<int>& fields,
                   const PackedRecord& probe) const;
    bool sameKey(const PackedRecord& a, const PackedRecord& b) const;
    void buildActiveOrder();
    void sortByFoldedLeadingText(Order& order) const;
    void rebuildView();
    void placeCursorOn(std::int64_t row);
    std::int64_t currentRow() const;

    // Returns where the row now stands in view(), -1 when the filter hides it.
    int insertIntoOrders(std::uint32_t row);
    Order::iterator findInOrder(Order& order, std::uint32_t row) const;
    void removeFromOrders(std::uint32_t row, bool shiftLaterRows);
    void dropInactiveOrders();
    PackedRecord packBuffer() const;

    const TableDefinition definition_; // the fields a new, empty table gets
    QList<FieldDef> fields_;           // the fields of the open table (from its file)
    QString fileName_;
    QString refusedFile_; // a file that failed to load: never written over
    bool open_ = false;
    bool modified_ = false;
    std::vector<PackedRecord> rows_;
    std::int64_t nextId_ = 1;

    QString sortKeyText_;
    std::vector<int> sortFields_;
    QString activeKey_;
    std::map<QString, Order> orders_; // cached orders by normalised sort key
    QString filterText_;
    RecordFilter recordFilter_;
    Order filteredView_;

    int position_ = -1; // index into view(), -1 when the view is empty
    bool atEnd_ = true;
    bool atStart_ = true;

    State state_ = State::Browsing;
    QVariantList buffer_;
    std::int64_t editedRow_ = -1;

    Rule newRecordRule_;
    Rule beforePostRule_;
    Rule afterPostRule_;
};

} // namespace linkvale
