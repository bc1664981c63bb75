#pragma once

#include "store/record_rules.h"

#include <QChar>
#include <QString>

namespace linkvale {

// The run-time members of the main window that more than one window or tab
// reads: paths of the platform profile, display settings from the options
// record, view modes and the suppression flag (inside `records`, which the
// record rules read).
struct MainWindowState {
    RecordRuleState records; // SKIP_FLG, SETCURGROUP, SETCURPRIORITY, clock

    bool MAC_FLG = false;
    QString ROOTPATH;
    QString STARTPATH;     // the Favorites folder
    QString FAVORITE_PATH; // the Favorites folder the options dialog shows
    QString PARENTDIR;     // the Internet tab's Favorites folder
    QString FILE_DELIM = QStringLiteral("/");
    QChar FILE_DELIM2 = QLatin1Char('/');
    QString ICON_TYPE;
    QString STYLE_PATH;
    QString BMP_PATH;
    QString HELPPATH;
    QString HELP_FILE = QStringLiteral("Index.htm");
    QString STYLE_NAME = QStringLiteral("Air.Style");

    quint32 FOLDERTILE_CLR = 0xFFCD5C5C; // tile background, ARGB
    quint32 DETAILTILE_CLR = 0xFFF0F8FF; // tile text, ARGB
    bool RUNBRWSR_FLG = true;
    bool HGRIDLINES_FLG = false;
    bool DSPQCKTPS_FLG = true;
    int HTM_SRCHSTRT = 1;
    qint64 WKRECID = 1;
    int TOTFINDARR = 10000;
    QString IPUSER_NAME;

    QString URL_INDEX = QStringLiteral("F");
    QString PAS_INDEX = QStringLiteral("F");
    QString EML_INDEX = QStringLiteral("F");
    QString LST_INDEX = QStringLiteral("A");
    QString FOCUSEDCONTROL = QStringLiteral("Edit29");

    bool FIRST_TIME_FLG = true;
    int WINLEFT = 0, WINTOP = 0, WINHEIGHT = 0, WINWIDTH = 0;
};

} // namespace linkvale
