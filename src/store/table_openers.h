#pragma once

#include "record_rules.h"
#include "tables.h"

#include <QString>

#include <functional>

namespace linkvale {

// Opens the tables of the user table and of a user's data folder from their
// files, creating a missing file's table empty. A file that cannot be read
// raises TableError naming it; the file is left as it was.
class TableOpeners {
public:
    // The paths are read at each opening: the program folder (holds Users.cds
    // and the transfer tables), the signed-on user's data folder and the path
    // separator. WKRECID receives the ID of the bookmark that is current right
    // after Urls.cds is opened.
    struct Paths {
        const QString& ROOTPATH;
        const QString& CURRENT_PATH;
        const QString& FILE_DELIM;
    };
    TableOpeners(Tables& tables, RecordRuleState& state, Paths paths, qint64& WKRECID);

    // Refills the tile lists that show folders; run by OpenDataFile13.
    std::function<void()> reloadFolderTiles;

    // Opens Users.cds and checks a user: true when `userId` may sign on. On the
    // very first run the table is made with that user (or "Samples" when the
    // name is empty, which then becomes the user's name) and any name passes.
    bool OpenDataFile(QString& userId, const QString& password);
    QString usersFilePath() const;

    void OpenDataFile2();
    void OpenDataFile3();
    void OpenDataFile4();
    void OpenDataFile5();
    void OpenDataFile6();
    void OpenDataFile7();
    void OpenDataFile8();
    void OpenDataFile10();
    void OpenDataFile11();
    void OpenDataFile12();
    void OpenDataFile13();
    void OpenDataFile14();
    void OpenDataFile15();

private:
    QString userFile(const Table& table) const;
    QString programFile(const Table& table) const;
    // Opens the table from `path` or creates it empty; true when the file existed.
    static bool openOrCreate(Table& table, const QString& path);
    void seedDefaultGroups();
    void reopenTransferTable(Table& table);

    Tables& tables_;
    RecordRuleState& state_;
    Paths paths_;
    qint64& WKRECID_;
};

// Adds a user to the user table: its name, scrambled password, whether the
// sign-on asks for it, and the times of now.
void appendUserRecord(Table& users, const QString& name, const QString& scrambledPassword,
                      bool usePassword, const QDateTime& now);

} // namespace linkvale
