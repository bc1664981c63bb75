#include "app/user_session.h"

#include "store/filter_expression.h"
#include "store/table_error.h"

namespace linkvale {

namespace {
const QString kInvalidUser =
    QStringLiteral("You must Enter a Valid User ID or Samples to Continue.");
} // namespace

UserSession::UserSession(Globals& globals, MainWindowState& state, Tables& tables,
                         Prompter& prompter)
    : globals_(globals), state_(state), tables_(tables), prompter_(prompter),
      openers_(tables, state.records,
               TableOpeners::Paths{globals.ROOTPATH, globals.CURRENT_PATH, state.FILE_DELIM},
               state.WKRECID) {
    openers_.reloadFolderTiles = [this] { run(steps.ReloadFolderTiles); };
}

bool UserSession::OpenDataFile(bool showPathInCaption) {
    if (showPathInCaption && setCaption)
        setCaption(openers_.usersFilePath());
    return openers_.OpenDataFile(globals_.USER_ID, globals_.PASSWORD);
}

void UserSession::closeUserTables() {
    for (Table* table : tables_.userTables())
        table->close();
}

UserSession::Outcome UserSession::ChangeUsers() {
    state_.records.SKIP_FLG = true;
    try {
        closeUserTables();
    } catch (const TableError& e) {
        // The signed-on user's work could not be written: keep that user.
        prompter_.error(e.message());
        return Outcome::Failed;
    }
    if (!signOn || !signOn()) {
        prompter_.warning(kInvalidUser);
        return Outcome::Cancelled;
    }
    try {
        while (!OpenDataFile()) {
            prompter_.warning(kInvalidUser);
            if (!signOn()) {
                prompter_.warning(kInvalidUser);
                return Outcome::Cancelled;
            }
        }
        globals_.CURRENT_PATH = globals_.ROOTPATH + state_.FILE_DELIM + globals_.USER_ID;
        globals_.LAST_USER = globals_.USER_ID;
        if (setCaption)
            setCaption(signedOnCaption + QStringLiteral(" - ") + globals_.USER_ID);
        runOpeningSequence();
    } catch (const TableError& e) {
        // The opening stops at the table that cannot be read; SKIP_FLG stays
        // set until the next user change, which keeps the record rules off.
        prompter_.error(e.message());
        return Outcome::Failed;
    }
    return Outcome::SignedOn;
}

void UserSession::runOpeningSequence() {
    state_.records.SKIP_FLG = true;
    openers_.OpenDataFile2();
    openers_.OpenDataFile3();
    openers_.OpenDataFile4();
    run(steps.LoadListTiles);
    openers_.OpenDataFile5();
    openers_.OpenDataFile11();
    restrictListMembersToCurrentList();
    run(steps.LoadListSchedule);
    openers_.OpenDataFile6();
    openers_.OpenDataFile7();
    openers_.OpenDataFile8();
    run(steps.LoadGroupLists);
    run(steps.LoadPriorityLists);
    openers_.OpenDataFile10();
    if (!tables_.ClientDataSet10.isEmpty())
        run(steps.ApplyOptions);
    openers_.OpenDataFile12();
    run(steps.LoadSearchEngineList);
    openers_.OpenDataFile13();
    run(steps.LoadFavFolders);
    run(steps.SelectCurrentFolder);
    run(steps.ShowFolderKind);
    run(steps.SetOptions2);
    state_.FIRST_TIME_FLG = false;
    state_.records.SKIP_FLG = false;
    if (!tables_.ClientDataSet3.isEmpty())
        run(steps.ShowPassword);
    if (!tables_.ClientDataSet6.isEmpty())
        filterAttachmentsToCurrentEmail();
    state_.HTM_SRCHSTRT = 1;
}

void UserSession::restrictListMembersToCurrentList() {
    try {
        Table& lists = tables_.ClientDataSet4;
        if (!lists.isEmpty() && !lists.isNull(QStringLiteral("ListName")))
            tables_.ClientDataSet5.setFilter(
                QStringLiteral("[ListName] = ") +
                quoteFilterValue(lists.text(QStringLiteral("ListName"))));
    } catch (const TableError&) {
        // The members stay unfiltered; the Lists tab restricts them on a click.
    }
}

void UserSession::filterAttachmentsToCurrentEmail() {
    if (tables_.ClientDataSet13.isOpen())
        run(steps.SelectEmailRootFolder);
    if (state_.records.SKIP_FLG)
        return;
    try {
        const Table& email = tables_.ClientDataSet6;
        const QString id = email.isNull(QStringLiteral("ID"))
                               ? QString()
                               : QString::number(email.field(QStringLiteral("ID")).toLongLong());
        tables_.ClientDataSet9.setFilter(QStringLiteral("[EMailID] = ") +
                                         quoteFilterValue(id.trimmed()));
    } catch (const TableError&) {
        // Attachments stay as they were; the Saved EMail tab sets them on a click.
    }
}

} // namespace linkvale
