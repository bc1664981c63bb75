#include "record_rules.h"

#include "date_key.h"

namespace linkvale::RecordRules {

void ClientDataSet3NewRecord(Table& passwords, const RecordRuleState& state) {
    passwords.setField(QStringLiteral("Group"), state.SETCURGROUP);
    passwords.setField(QStringLiteral("Priority"), state.SETCURPRIORITY);
    passwords.setField(QStringLiteral("DateCreated"), FlopDate(state.now()));
}

void ClientDataSet4NewRecord(Table& lists, const RecordRuleState& state) {
    lists.setField(QStringLiteral("ListName"), QStringLiteral("New List 1"));
    lists.setField(QStringLiteral("ListDescription"), QStringLiteral("New List 1 Description"));
    lists.setField(QStringLiteral("Group"), state.SETCURGROUP);
    lists.setField(QStringLiteral("Priority"), state.SETCURPRIORITY);
    // The leading blank matches the entries of the time and duration choices.
    lists.setField(QStringLiteral("StartTime"), QStringLiteral(" 8:00 AM"));
    lists.setField(QStringLiteral("RunTime"), QStringLiteral(" 1 Minute"));
    lists.setField(QStringLiteral("DateCreated"), FlopDate(state.now()));
}

void ClientDataSet4BeforePost(Table& lists, const RecordRuleState& state) {
    lists.setField(QStringLiteral("LastUpdated"), state.now());
}

void ClientDataSet7NewRecord(Table& contacts, const RecordRuleState& state) {
    contacts.setField(QStringLiteral("DateCreated"), FlopDate(state.now()));
}

void ClientDataSet7BeforePost(Table& contacts, const RecordRuleState& state) {
    contacts.setField(QStringLiteral("LastUpdated"), state.now());
}

void ClientDataSet8NewRecord(Table& groups, const RecordRuleState& state) {
    groups.setField(QStringLiteral("DateCreated"), FlopDate(state.now()));
}

void ClientDataSet8AfterPost(RecordRuleState& state, const std::function<void()>& loadGroupLists) {
    if (state.SKIP_FLG || !loadGroupLists)
        return;
    state.SKIP_FLG = true;
    try {
        loadGroupLists();
    } catch (...) {
        state.SKIP_FLG = false;
        throw;
    }
    state.SKIP_FLG = false;
}

void ClientDataSet13NewRecord(Table& folders, const RecordRuleState& state) {
    folders.setField(QStringLiteral("DateCreated"), state.now());
}

void installPasswordRules(Table& passwords, const RecordRuleState& state) {
    passwords.setNewRecordRule([&state](Table& t) { ClientDataSet3NewRecord(t, state); });
}

void installListRules(Table& lists, const RecordRuleState& state,
                      std::function<void()> loadListSchedule) {
    lists.setNewRecordRule([&state](Table& t) { ClientDataSet4NewRecord(t, state); });
    lists.setBeforePostRule([&state](Table& t) { ClientDataSet4BeforePost(t, state); });
    if (loadListSchedule)
        lists.setAfterPostRule([schedule = std::move(loadListSchedule)](Table&) { schedule(); });
}

void installContactRules(Table& contacts, const RecordRuleState& state) {
    contacts.setNewRecordRule([&state](Table& t) { ClientDataSet7NewRecord(t, state); });
    contacts.setBeforePostRule([&state](Table& t) { ClientDataSet7BeforePost(t, state); });
}

void installGroupRules(Table& groups, RecordRuleState& state,
                       std::function<void()> loadGroupLists) {
    groups.setNewRecordRule([&state](Table& t) { ClientDataSet8NewRecord(t, state); });
    groups.setAfterPostRule([&state, refill = std::move(loadGroupLists)](Table&) {
        ClientDataSet8AfterPost(state, refill);
    });
}

void installFolderRules(Table& folders, const RecordRuleState& state) {
    folders.setNewRecordRule([&state](Table& t) { ClientDataSet13NewRecord(t, state); });
}

} // namespace linkvale::RecordRules
