#pragma once

#include "field.h"

namespace linkvale {

// The fifteen table files of Linkvale: their file names, fields (in stored
// order, with types and sizes) and whether the table applies its filter.
namespace TableDefinitions {

const TableDefinition& users();             // Users.cds, program folder
const TableDefinition& urls();              // Urls.cds, bookmarks
const TableDefinition& passwords();         // Passwords.cds, website log-ins
const TableDefinition& lists();             // Lists.cds, web-site lists
const TableDefinition& listMembers();       // ListDetl.cds, members of the lists
const TableDefinition& email();             // EMail.cds, saved e-mail
const TableDefinition& contacts();          // EMailAddr.cds, e-mail contacts
const TableDefinition& groups();            // Group.cds
const TableDefinition& attachments();       // EMailAtth.cds, e-mail attachments
const TableDefinition& options();           // Options.cds, the user's options
const TableDefinition& pageAnalyses();      // PagAnyls.cds
const TableDefinition& searchEngines();     // Search.cds
const TableDefinition& folders();           // FavFolders.cds
const TableDefinition& transferLists();     // TranLists.cds, program folder
const TableDefinition& transferBookmarks(); // TranBookMrks.cds, program folder

// All fifteen, in the order of their table objects (ClientDataSet1 to 15).
QList<const TableDefinition*> all();

} // namespace TableDefinitions
} // namespace linkvale
