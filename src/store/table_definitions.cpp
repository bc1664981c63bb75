#include "table_definitions.h"

namespace linkvale::TableDefinitions {
namespace {

FieldDef id() {
    return {QStringLiteral("ID"), FieldType::AutoIncrement, 0};
}
FieldDef text(const char* name, int size) {
    return {QLatin1String(name), FieldType::Text, size};
}
FieldDef of(const char* name, FieldType type) {
    return {QLatin1String(name), type, 0};
}

TableDefinition make(const char* fileName, bool filtered, QList<FieldDef> fields) {
    return {QLatin1String(fileName), filtered, std::move(fields)};
}

using T = FieldType;

} // namespace

const TableDefinition& users() {
    static const TableDefinition d =
        make("Users.cds", false,
             {id(), text("UserName", 25), text("Password", 25), of("UsePassword", T::Boolean),
              of("LastUpdated", T::DateTime), text("DateCreated", 24)});
    return d;
}

const TableDefinition& urls() {
    static const TableDefinition d =
        make("Urls.cds", true,
             {id(), text("LocationName", 200), text("URL", 255), text("Description", 150),
              text("URLIconLoct", 200), text("Group", 25), text("Priority", 25),
              text("Search1", 50), text("Search2", 50), of("URLMemo", T::LongText),
              text("ParentFldr", 100), text("Folder", 100), of("FolderID", T::LargeInteger),
              text("DateCreated", 25), of("LastUpdated", T::DateTime)});
    return d;
}

const TableDefinition& passwords() {
    static const TableDefinition d =
        make("Passwords.cds", true,
             {id(), text("CompanyName", 100), text("URLPassName", 150), text("URLPassLoct", 250),
              text("PassDescrp", 150), text("UserID", 25), text("Password", 25),
              text("PassIconLoct", 150), text("Group", 25), text("Priority", 25),
              text("Search1", 50), text("Search2", 25), of("PassMemo", T::LongText),
              text("ParentFolder", 100), text("Folder", 100), of("FolderID", T::LargeInteger),
              text("DateCreated", 26), of("LastUpdated", T::DateTime)});
    return d;
}

const TableDefinition& lists() {
    static const TableDefinition d =
        make("Lists.cds", true,
             {id(), text("ListName", 25), text("ListDescription", 150), text("ListIcon", 200),
              of("ListComment", T::LongText), text("Group", 25), text("Priority", 25),
              text("StartTime", 10), text("RunTime", 10), of("Repeat", T::Boolean),
              of("AutoRun", T::Boolean), text("DateCreated", 25), of("LastUpdated", T::DateTime)});
    return d;
}

const TableDefinition& listMembers() {
    static const TableDefinition d = make("ListDetl.cds", true,
                                          {id(), text("ListName", 25), text("URLName", 200),
                                           text("URLLocation", 255), text("DateCreated", 25)});
    return d;
}

const TableDefinition& email() {
    static const TableDefinition d = make("EMail.cds", true,
                                          {id(),
                                           text("UrlName", 50),
                                           text("Url", 255),
                                           text("FrmAddr", 150),
                                           text("FrmName", 100),
                                           text("Subject", 150),
                                           text("SentReceived", 1),
                                           of("MsgDate", T::Date),
                                           of("Message", T::LongText),
                                           of("Attchments", T::LongText),
                                           text("Group", 25),
                                           text("Priority", 25),
                                           text("IconPath", 150),
                                           text("DateCreated", 25),
                                           of("LastUpdated", T::DateTime),
                                           text("MsgDateFlop", 30),
                                           text("ParentFolder", 100),
                                           text("Folder", 100),
                                           of("FolderID", T::LargeInteger),
                                           text("Search1", 50),
                                           text("Search2", 50)});
    return d;
}

const TableDefinition& contacts() {
    static const TableDefinition d =
        make("EMailAddr.cds", false,
             {id(), text("EMailName", 150), text("EMailAddr", 150), text("DateCreated", 25),
              of("LastUpdated", T::DateTime)});
    return d;
}

const TableDefinition& groups() {
    static const TableDefinition d =
        make("Group.cds", false,
             {id(), text("GroupName", 25), text("Description", 150), text("DateCreated", 26)});
    return d;
}

const TableDefinition& attachments() {
    static const TableDefinition d =
        make("EMailAtth.cds", true,
             {id(), of("EMailID", T::LargeInteger), text("FileLocation", 150), text("FileExt", 10),
              text("DateCreated", 25), of("LastUpdated", T::DateTime)});
    return d;
}

const TableDefinition& options() {
    static const TableDefinition d = make("Options.cds", false,
                                          {id(),
                                           text("StyleLocation", 200),
                                           of("UseVertGrid", T::Boolean),
                                           of("UseHorzGrid", T::Boolean),
                                           text("StartURL", 255),
                                           text("StartList", 25),
                                           text("URLIconPath", 150),
                                           text("PasswordIconPath", 150),
                                           text("ListIconPath", 150),
                                           text("EMailRecvIconPath", 150),
                                           text("EMailSentIconPath", 150),
                                           text("FrmEMailAddr", 100),
                                           of("FillEMailTo", T::Boolean),
                                           of("WinLeft", T::Integer),
                                           of("WinTop", T::Integer),
                                           of("WinHeight", T::Integer),
                                           of("WinWidth", T::Integer),
                                           of("RunList", T::Boolean),
                                           text("DefltGroup", 25),
                                           text("DefltPriority", 25),
                                           text("IPUserName", 50),
                                           of("TileBkgClr", T::LargeInteger),
                                           of("TileDtlBkgClr", T::LargeInteger),
                                           of("DspQckTps", T::Boolean),
                                           of("NumGMails", T::Integer),
                                           text("FavoritePath", 120)});
    return d;
}

const TableDefinition& pageAnalyses() {
    static const TableDefinition d = make(
        "PagAnyls.cds", false,
        {id(), of("URLRecID", T::LargeInteger), text("LocationName", 50), text("Url", 255),
         of("HTMLSource", T::LongText), of("UrlList1", T::LongText), of("UrlList2", T::LongText),
         text("DateCreated", 25), of("LastUpDated", T::DateTime)});
    return d;
}

const TableDefinition& searchEngines() {
    static const TableDefinition d =
        make("Search.cds", false,
             {id(), text("SearchName", 50), text("SearchURL", 200), text("SearchIcon", 150),
              text("Description", 150), text("DateCreated", 25)});
    return d;
}

const TableDefinition& folders() {
    static const TableDefinition d =
        make("FavFolders.cds", true,
             {id(), text("ParentFldr", 100), text("Folder", 100), of("PrntFolderID", T::Integer),
              of("DateCreated", T::DateTime), text("BookOrEMail", 1)});
    return d;
}

const TableDefinition& transferLists() {
    static const TableDefinition d =
        make("TranLists.cds", false,
             {id(), text("ListName", 50), text("ListDesc", 100), text("URL", 150)});
    return d;
}

const TableDefinition& transferBookmarks() {
    static const TableDefinition d = make(
        "TranBookMrks.cds", false,
        {id(), text("ParentFldr", 100), text("Folder", 20), text("URLName", 50), text("URL", 150)});
    return d;
}

QList<const TableDefinition*> all() {
    return {&users(),       &urls(),          &passwords(),        &lists(),
            &listMembers(), &email(),         &contacts(),         &groups(),
            &attachments(), &options(),       &pageAnalyses(),     &searchEngines(),
            &folders(),     &transferLists(), &transferBookmarks()};
}

} // namespace linkvale::TableDefinitions
