#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace linkvale {

// The paths, captions and file kinds that differ from one operating system
// to another. This build runs the Linux profile.
struct PlatformProfile {
    bool MAC_FLG = false;
    QString FILE_DELIM;
    QChar FILE_DELIM2;
    QString ICON_TYPE;
    QString STYLE_PATH;
    QString BMP_PATH;
    QString HELPPATH;
    QString caption;            // the window caption before anyone signs on
    QString favoritesPath;      // STARTPATH
    QStringList programFolders; // made below the program folder at start, in order
    bool keepsLastUser = true;  // Options.ini is read at start and written at close

    QString signedOnCaption(const QString& userId) const { return caption + " - " + userId; }
};

PlatformProfile linuxProfile(const QString& rootPath);

// The Favorites folder a Windows installation finds from its start folder:
// C:\Users\guest1\Documents\App gives C:\Users\guest1\Favorites, a start
// folder too short below the user's folder gives C:\Favorites, and a start
// folder outside \Users\ is its own Favorites folder.
QString windowsFavoritesFolder(const QString& startFolder);

// Makes each missing folder below `rootPath` in order; the first failure ends
// the attempt silently. Returns how many of the folders exist afterwards.
int createProgramFolders(const QString& rootPath, const QStringList& folders);

} // namespace linkvale
