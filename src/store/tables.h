#pragma once

#include "record_rules.h"
#include "table.h"
#include "table_definitions.h"

namespace linkvale {

// The sixteen table objects of the program, one per table file plus a second,
// independent object on the folder file for walks that must not move the main
// folder cursor. The record rules that need no window are installed here; the
// owners of the other rules install them on the objects.
class Tables {
public:
    explicit Tables(RecordRuleState& state);
    Tables(const Tables&) = delete;
    Tables& operator=(const Tables&) = delete;

    Table ClientDataSet1{TableDefinitions::users()};
    Table ClientDataSet2{TableDefinitions::urls()};
    Table ClientDataSet3{TableDefinitions::passwords()};
    Table ClientDataSet4{TableDefinitions::lists()};
    Table ClientDataSet5{TableDefinitions::listMembers()};
    Table ClientDataSet6{TableDefinitions::email()};
    Table ClientDataSet7{TableDefinitions::contacts()};
    Table ClientDataSet8{TableDefinitions::groups()};
    Table ClientDataSet9{TableDefinitions::attachments()};
    Table ClientDataSet10{TableDefinitions::options()};
    Table ClientDataSet11{TableDefinitions::pageAnalyses()};
    Table ClientDataSet12{TableDefinitions::searchEngines()};
    Table ClientDataSet13{TableDefinitions::folders()};
    Table ClientDataSet13b{TableDefinitions::folders()};
    Table ClientDataSet14{TableDefinitions::transferLists()};
    Table ClientDataSet15{TableDefinitions::transferBookmarks()};

    // The tables of a user's data folder, ClientDataSet2 to ClientDataSet13,
    // in the order a user change closes them.
    QList<Table*> userTables();
    // Every table object, the user table first.
    QList<Table*> all();

    // The refills that run after a list or a group is stored.
    void setLoadListSchedule(std::function<void()> loadListSchedule);
    void setLoadGroupLists(std::function<void()> loadGroupLists);

private:
    RecordRuleState& state_;
};

} // namespace linkvale
