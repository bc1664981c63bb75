#include "standard_values.h"

namespace linkvale {

const QStringList& PRIORITY_ARR() {
    static const QStringList texts{
        QString(),
        QStringLiteral("01-Must Delete"),
        QStringLiteral("02-Need to Delete"),
        QStringLiteral("03-Keep, but seldom use"),
        QStringLiteral("04-Keep, of little Value"),
        QStringLiteral("05-Keep"),
        QStringLiteral("06-Keep, more Valuable"),
        QStringLiteral("07-Valuable"),
        QStringLiteral("08-Considerable Valuable"),
        QStringLiteral("09-Very Valuable"),
        QStringLiteral("10-Extremely Valuable"),
    };
    return texts;
}

const QStringList& defaultGroupNames() {
    static const QStringList names{
        QStringLiteral("Art"),          QStringLiteral("Business"), QStringLiteral("Computers"),
        QStringLiteral("Finance"),      QStringLiteral("Games"),    QStringLiteral("Downloads"),
        QStringLiteral("Health"),       QStringLiteral("Internet"), QStringLiteral("Travel"),
        QStringLiteral("Music"),        QStringLiteral("Videos"),   QStringLiteral("News"),
        QStringLiteral("Social Media"),
    };
    return names;
}

} // namespace linkvale
