#pragma once

#include "standard_values.h"
#include "table.h"

#include <QDateTime>

#include <functional>

namespace linkvale {

// The run-time values the record rules read. The main window owns one and
// keeps it current; tests set the clock.
struct RecordRuleState {
    // Set while the program itself appends records or refills controls: the
    // rules that honour it do nothing.
    bool SKIP_FLG = false;
    QString SETCURGROUP = defaultGroup();
    QString SETCURPRIORITY = defaultPriority();
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
};

// The record rules that need no window. Each installs itself on its table;
// the tables' other rules (the ones that read a tab's controls, and the
// refills after a list or group is stored) are handed in by their owners.
namespace RecordRules {

// Passwords.cds: a new record gets the default group and priority and a date key.
void ClientDataSet3NewRecord(Table& passwords, const RecordRuleState& state);
// Lists.cds: a new list gets its placeholder texts, defaults and a date key.
void ClientDataSet4NewRecord(Table& lists, const RecordRuleState& state);
// Lists.cds and EMailAddr.cds: every stored record gets its LastUpdated.
void ClientDataSet4BeforePost(Table& lists, const RecordRuleState& state);
void ClientDataSet7NewRecord(Table& contacts, const RecordRuleState& state);
void ClientDataSet7BeforePost(Table& contacts, const RecordRuleState& state);
void ClientDataSet8NewRecord(Table& groups, const RecordRuleState& state);
// Group.cds after a store: refill every group choice list, unless the program
// is appending groups itself (SKIP_FLG), with SKIP_FLG set while refilling.
void ClientDataSet8AfterPost(RecordRuleState& state, const std::function<void()>& loadGroupLists);
// FavFolders.cds: the one table whose DateCreated is a date-time.
void ClientDataSet13NewRecord(Table& folders, const RecordRuleState& state);

// Installers: `state` must outlive the table. A null callback leaves that
// rule out until its owner installs it.
void installPasswordRules(Table& passwords, const RecordRuleState& state);
void installListRules(Table& lists, const RecordRuleState& state,
                      std::function<void()> loadListSchedule);
void installContactRules(Table& contacts, const RecordRuleState& state);
void installGroupRules(Table& groups, RecordRuleState& state, std::function<void()> loadGroupLists);
void installFolderRules(Table& folders, const RecordRuleState& state);

} // namespace RecordRules
} // namespace linkvale
