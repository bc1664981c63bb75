#include "platform_profile.h"

#include <QDir>

namespace linkvale {

PlatformProfile linuxProfile(const QString& rootPath) {
    PlatformProfile p;
    p.FILE_DELIM = QStringLiteral("/");
    p.FILE_DELIM2 = QLatin1Char('/');
    p.ICON_TYPE = QStringLiteral(".png");
    p.STYLE_PATH = rootPath + QStringLiteral("/Styles/");
    p.BMP_PATH = rootPath + QStringLiteral("/Bmps/");
    p.HELPPATH = rootPath + QStringLiteral("/Help/");
    p.caption = QStringLiteral("Linkvale 10.1 for Linux");
    p.favoritesPath = rootPath + QStringLiteral("/Favorites");
    p.programFolders = {QStringLiteral("/Styles"), QStringLiteral("/Samples"),
                        QStringLiteral("/Bmps"),   QStringLiteral("/Images"),
                        QStringLiteral("/Help"),   QStringLiteral("/Favorites")};
    return p;
}

QString windowsFavoritesFolder(const QString& startFolder) {
    const QString usersPart = QStringLiteral("\\Users\\");
    const qsizetype p = startFolder.indexOf(usersPart); // 0-based index of its backslash
    if (p < 0)
        return startFolder;
    const QString t = startFolder.mid(p + 1); // begins with "Users\"
    const qsizetype l = t.size();
    // The backslash after the user's name, looked for from the 7th character
    // within the first l - 12 characters.
    QString r;
    const qsizetype q = t.indexOf(QLatin1Char('\\'), 6);
    if (q >= 0 && q + 1 <= l - 12)
        r = t.left(q + 1);
    return QStringLiteral("C:\\") + r + QStringLiteral("Favorites");
}

int createProgramFolders(const QString& rootPath, const QStringList& folders) {
    int made = 0;
    for (const QString& folder : folders) {
        const QString path = rootPath + folder;
        if (!QDir(path).exists() && !QDir().mkdir(path))
            break;
        ++made;
    }
    return made;
}

} // namespace linkvale
