#include "tables.h"

namespace linkvale {

Tables::Tables(RecordRuleState& state) : state_(state) {
    RecordRules::installPasswordRules(ClientDataSet3, state_);
    RecordRules::installListRules(ClientDataSet4, state_, nullptr);
    RecordRules::installContactRules(ClientDataSet7, state_);
    RecordRules::installGroupRules(ClientDataSet8, state_, nullptr);
    RecordRules::installFolderRules(ClientDataSet13, state_);
    RecordRules::installFolderRules(ClientDataSet13b, state_);
}

QList<Table*> Tables::userTables() {
    return {&ClientDataSet2,  &ClientDataSet3,  &ClientDataSet4,  &ClientDataSet5,
            &ClientDataSet6,  &ClientDataSet7,  &ClientDataSet8,  &ClientDataSet9,
            &ClientDataSet10, &ClientDataSet11, &ClientDataSet12, &ClientDataSet13};
}

QList<Table*> Tables::all() {
    QList<Table*> tables{&ClientDataSet1};
    tables.append(userTables());
    tables.append({&ClientDataSet13b, &ClientDataSet14, &ClientDataSet15});
    return tables;
}

void Tables::setLoadListSchedule(std::function<void()> loadListSchedule) {
    RecordRules::installListRules(ClientDataSet4, state_, std::move(loadListSchedule));
}

void Tables::setLoadGroupLists(std::function<void()> loadGroupLists) {
    RecordRules::installGroupRules(ClientDataSet8, state_, std::move(loadGroupLists));
}

} // namespace linkvale
