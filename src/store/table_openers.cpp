#include "table_openers.h"

#include "date_key.h"
#include "password_scrambler.h"
#include "standard_values.h"

namespace linkvale {

TableOpeners::TableOpeners(Tables& tables, RecordRuleState& state, Paths paths, qint64& WKRECID)
    : tables_(tables), state_(state), paths_(paths), WKRECID_(WKRECID) {}

QString TableOpeners::usersFilePath() const {
    return paths_.ROOTPATH + paths_.FILE_DELIM + tables_.ClientDataSet1.standardFileName();
}

QString TableOpeners::userFile(const Table& table) const {
    return paths_.CURRENT_PATH + paths_.FILE_DELIM + table.standardFileName();
}

QString TableOpeners::programFile(const Table& table) const {
    return paths_.ROOTPATH + paths_.FILE_DELIM + table.standardFileName();
}

bool TableOpeners::openOrCreate(Table& table, const QString& path) {
    table.setFileName(path);
    if (table.fileExists()) {
        table.open();
        return true;
    }
    table.createEmpty();
    return false;
}

bool TableOpeners::OpenDataFile(QString& userId, const QString& password) {
    Table& users = tables_.ClientDataSet1;
    users.setFileName(usersFilePath());
    if (users.fileExists()) {
        users.open();
        users.setSortKey(QStringLiteral("UserName"));
        if (!users.locate(QStringLiteral("UserName"), userId))
            return false;
        if (!users.field(QStringLiteral("UsePassword")).toBool())
            return true;
        return passwordScrambler().UnConvertPassword(users.text(QStringLiteral("Password"))) ==
               password;
    }
    // First run: whoever signs on becomes the first user, without a password.
    users.createEmpty();
    users.setSortKey(QStringLiteral("UserName"));
    if (userId.isEmpty())
        userId = QStringLiteral("Samples");
    appendUserRecord(users, userId, QString(), false, state_.now());
    return true;
}

void appendUserRecord(Table& users, const QString& name, const QString& scrambledPassword,
                      bool usePassword, const QDateTime& now) {
    users.append();
    users.setField(QStringLiteral("UserName"), name);
    users.setField(QStringLiteral("Password"), scrambledPassword);
    users.setField(QStringLiteral("UsePassword"), usePassword);
    users.setField(QStringLiteral("LastUpdated"), now);
    users.setField(QStringLiteral("DateCreated"), FlopDate(now));
    users.post();
    users.close();
    users.open();
}

void TableOpeners::OpenDataFile2() {
    Table& urls = tables_.ClientDataSet2;
    if (openOrCreate(urls, userFile(urls))) {
        urls.setSortKey(QStringLiteral("URL"));
        if (!urls.isEmpty())
            WKRECID_ = urls.field(QStringLiteral("ID")).toLongLong();
    }
}

void TableOpeners::OpenDataFile3() {
    Table& passwords = tables_.ClientDataSet3;
    openOrCreate(passwords, userFile(passwords));
    passwords.setSortKey(QStringLiteral("URLPassLoct"));
}

void TableOpeners::OpenDataFile4() {
    Table& lists = tables_.ClientDataSet4;
    if (openOrCreate(lists, userFile(lists)))
        lists.setSortKey(QStringLiteral("ListName"));
}

void TableOpeners::OpenDataFile5() {
    Table& members = tables_.ClientDataSet5;
    if (openOrCreate(members, userFile(members)))
        members.setSortKey(QStringLiteral("ListName"));
}

void TableOpeners::OpenDataFile6() {
    Table& email = tables_.ClientDataSet6;
    if (openOrCreate(email, userFile(email)))
        email.setSortKey(QStringLiteral("SentReceived"));
}

void TableOpeners::OpenDataFile7() {
    Table& contacts = tables_.ClientDataSet7;
    if (openOrCreate(contacts, userFile(contacts)))
        contacts.setSortKey(QStringLiteral("ID"));
}

void TableOpeners::OpenDataFile8() {
    Table& groups = tables_.ClientDataSet8;
    openOrCreate(groups, userFile(groups));
    groups.setSortKey(QStringLiteral("GroupName"));
    if (groups.isEmpty())
        seedDefaultGroups();
}

void TableOpeners::seedDefaultGroups() {
    Table& groups = tables_.ClientDataSet8;
    // Keeps the group table's after-post refill from running once per group.
    state_.SKIP_FLG = true;
    for (const QString& name : defaultGroupNames()) {
        groups.append();
        groups.setField(QStringLiteral("GroupName"), name);
        groups.setField(QStringLiteral("Description"), name + QStringLiteral(" Description"));
        groups.post();
    }
    groups.save();
    groups.close();
    groups.open();
    state_.SKIP_FLG = false;
}

void TableOpeners::OpenDataFile10() {
    Table& options = tables_.ClientDataSet10;
    if (!openOrCreate(options, userFile(options))) {
        options.close(); // the options file exists from the first sign-on on
        options.open();
    }
    options.setSortKey(QStringLiteral("ID"));
}

void TableOpeners::OpenDataFile11() {
    Table& analyses = tables_.ClientDataSet11;
    if (openOrCreate(analyses, userFile(analyses)))
        analyses.setSortKey(QStringLiteral("URL"));
}

void TableOpeners::OpenDataFile12() {
    Table& engines = tables_.ClientDataSet12;
    if (openOrCreate(engines, userFile(engines)))
        engines.setSortKey(QStringLiteral("SearchURL"));
}

void TableOpeners::OpenDataFile13() {
    Table& folders = tables_.ClientDataSet13;
    openOrCreate(folders, userFile(folders));
    folders.setSortKey(QStringLiteral("ParentFldr;Folder"));
    if (reloadFolderTiles)
        reloadFolderTiles();
}

void TableOpeners::reopenTransferTable(Table& table) {
    table.close();
    openOrCreate(table, programFile(table));
}

void TableOpeners::OpenDataFile14() {
    reopenTransferTable(tables_.ClientDataSet14);
}

void TableOpeners::OpenDataFile15() {
    reopenTransferTable(tables_.ClientDataSet15);
}

} // namespace linkvale
