#pragma once

#include <QString>

namespace linkvale {

// The one shared state object: every window reads and writes it directly.
struct Globals {
    QString ROOTPATH;     // program folder: the current directory at start
    QString USER_ID;      // current user, or the user being signed on
    QString CURRENT_PATH; // the current user's data folder
    QString PASSWORD;     // plain password last typed
    QString CNVPASSWORD;  // its scrambled form
    QString LAST_USER;    // remembered in Options.ini
    bool CANCEL_FLG = false;
    bool OPTIONS_FLG = false;
    bool EMSETUP_FLG = false;
    bool USETOEMAIL_FLG = false;
    bool USERS_FLG = false;   // a Users dialog exists
    bool CHGUSER_FLG = false; // an Update User dialog exists
    bool EMAILADDR_FLG = false;
    bool REPORTS_FLG = false;
    bool EMLRNG_FLG = false;
    bool HELPWIN_FLG = false;
    bool RUNLIST_FLG = false; // scheduled lists may run
    // Set by the Help buttons of the dialogs; nothing reads them.
    bool FRMPRNT_FLG = false, FRMOPTNS_FLG = false, FRMRANGE_FLG = false, FRMEMLSET_FLG = false,
         FRMLOGIN_FLG = false, FRMEMLADDR_FLG = false, FRMNEWUSER_FLG = false,
         FRMCHGUSER_FLG = false, FINDURL_FLG = false, FRMFIND_FLG = false;
    QString FROM_EMAIL;
    QString SELECT_USER; // preset of the sign-on user box; stays empty
    QString SELECT_EMAILADDR;
    QString ICONURL_FILE;
    QString ICONPASS_FILE;
    QString ICONLIST_FILE;
    QString ICONEMLR_FILE;
    QString ICONEMLR2_FILE;
    QString ICONEMLS_FILE;
    QString ICONSEARCH_FILE;
    int TOTCNV_COUNT = 92;
};

} // namespace linkvale
