#pragma once

#include "table.h"

#include <QString>

#include <optional>

namespace linkvale {

// A user's settings as the options record holds them. A value is present when
// the record sets it: not null and, for the texts that must be filled, not
// empty (the icon paths also not blank, and trimmed).
struct OptionsRecord {
    std::optional<QString> styleLocation;
    std::optional<bool> runBrowser;     // UseVertGrid
    std::optional<bool> horizontalGrid; // UseHorzGrid
    std::optional<bool> runLists;       // RunList
    std::optional<QString> urlIcon;
    std::optional<QString> passwordIcon;
    std::optional<QString> listIcon;
    std::optional<QString> receivedEmailIcon;
    std::optional<QString> sentEmailIcon;
    std::optional<int> winLeft;
    std::optional<int> winTop;
    std::optional<int> winHeight;
    std::optional<int> winWidth;
    std::optional<QString> startUrl;
    std::optional<QString> startList;
    std::optional<QString> defaultGroup;
    std::optional<QString> defaultPriority;
    std::optional<QString> networkUserName; // IPUserName
    std::optional<quint32> tileColor;       // TileBkgClr, ARGB
    std::optional<quint32> tileTextColor;   // TileDtlBkgClr, ARGB
    std::optional<bool> showQuickTips;      // DspQckTps
    std::optional<int> sourceSearchStart;   // NumGMails
    std::optional<QString> favoritesPath;
};

// Reads the current record of an open options table.
OptionsRecord readOptionsRecord(const Table& options);

// Everything the options dialog stores; the window placement is kept apart.
struct OptionsValues {
    QString styleLocation;
    bool runBrowser = true;
    bool horizontalGrid = false;
    QString startUrl, startList;
    QString urlIcon, passwordIcon, listIcon, receivedEmailIcon, sentEmailIcon;
    QString fromEmailAddress;
    bool stopUrlsFromReloading = false; // FillEMailTo
    bool runLists = false;
    QString defaultGroup, defaultPriority, networkUserName;
    quint32 tileColor = 0;
    quint32 tileTextColor = 0;
    bool showQuickTips = true;
    int sourceSearchStart = 1;
    QString favoritesPath;
};

struct WindowPlacement {
    int left = 0, top = 0, height = 0, width = 0;
};

// Writes the whole options record (appending it when the table is empty)
// and saves the table. A new record's window fields stay null.
void writeOptionsRecord(Table& options, const OptionsValues& values);

// Stores the window placement in the first options record and saves the
// table; a table without a record is left alone. True when written.
bool writeWindowPlacement(Table& options, const WindowPlacement& placement);

// Options.ini in the program folder: one line, the last signed-on user.
// Both return false when the file could not be read or written.
bool LoadLastUser(const QString& iniPath, QString& lastUser);
bool SaveLastUser(const QString& iniPath, const QString& lastUser);

} // namespace linkvale
