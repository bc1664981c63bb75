#include "app/main_window.h"

#include "app/new_user_dialog.h"
#include "app/platform_profile.h"
#include "app/sign_on_dialog.h"
#include "app/style_sheet.h"
#include "app/update_user_dialog.h"
#include "app/users_dialog.h"
#include "bookmarks/bookmarks_tab.h"
#include "bookmarks/internet_tab.h"
#include "email/email_tab.h"
#include "lists/lists_tab.h"
#include "passwords/passwords_tab.h"
#include "store/options_record.h"
#include "store/table_error.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace linkvale {

namespace {

QToolButton* topBarButton(QToolBar* bar, const QString& name, const QString& text,
                          const QString& icon, const QString& hint) {
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(QIcon(QStringLiteral(":/icons/") + icon + QStringLiteral(".svg")));
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->addWidget(button);
    return button;
}

} // namespace

TLinkvale1::TLinkvale1(Globals& globals, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), globals_(globals), prompter_(prompter), tables_(state_.records),
      session_(globals_, state_, tables_, prompter_), options_(globals_, state_, tables_, *this) {
    setObjectName(QStringLiteral("TLinkvale1"));
    setWindowTitle(QStringLiteral("Linkvale 10.1"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/linkvale.svg")));
    buildTopBar();
    buildTabs();
    buildStatusBar();
    move(100, 100);
    resize(1078, 645);
    FormCreate();

    session_.setCaption = [this](const QString& caption) { setWindowTitle(caption); };
    session_.signedOnCaption = caption_;
    session_.signOn = [this] {
        signOnWindow_->UserID->setText(globals_.SELECT_USER);
        signOnWindow_->Password->clear();
        signOnWindow_->UserID->setFocus();
        signOnWindow_->exec();
        return !globals_.CANCEL_FLG;
    };
    session_.steps.ApplyOptions = [this] { options_.ApplyOptions(); };
}

TLinkvale1::~TLinkvale1() = default;

void TLinkvale1::buildTopBar() {
    TopBar = new QToolBar(QStringLiteral("Linkvale"), this);
    TopBar->setObjectName(QStringLiteral("TopBar"));
    TopBar->setMovable(false);
    TopBar->setFloatable(false);
    TopBar->setIconSize(QSize(28, 28));
    TopBar->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, TopBar);

    TNewUserBtn = topBarButton(TopBar, QStringLiteral("TNewUserBtn"), QStringLiteral("New User"),
                               QStringLiteral("new-user"), QStringLiteral("Create a New User"));
    TUserBtn =
        topBarButton(TopBar, QStringLiteral("TUserBtn"), QStringLiteral("Users"),
                     QStringLiteral("users"), QStringLiteral("Show and Select another User"));
    TopBar->addSeparator();
    ImpFavBtn =
        topBarButton(TopBar, QStringLiteral("ImpFavBtn"), QStringLiteral("Import Favorites"),
                     QStringLiteral("import"),
                     QStringLiteral("Import Favorites from Internet Explorer to BookMarks "));
    ExpFavBtn = topBarButton(TopBar, QStringLiteral("ExpFavBtn"),
                             QStringLiteral("Export BookMarks"), QStringLiteral("export"),
                             QStringLiteral("Export Bookmarks to Internet Explorer"));
    TopBar->addSeparator();
    TAddBtn = topBarButton(TopBar, QStringLiteral("TAddBtn"), QStringLiteral("Add"),
                           QStringLiteral("add"),
                           QStringLiteral("Add Current Url to Bookmarks or Passwords"));
    THTMLBtn =
        topBarButton(TopBar, QStringLiteral("THTMLBtn"), QStringLiteral("Source"),
                     QStringLiteral("source"), QStringLiteral("Get HTML Source if Available"));
    THTMLBtn->setEnabled(false);
    TRptBtn = topBarButton(TopBar, QStringLiteral("TRptBtn"), QStringLiteral("Reports"),
                           QStringLiteral("reports"),
                           QStringLiteral("Print Report of current Tab Information"));
    auto* spacer = new QWidget(TopBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    TopBar->addWidget(spacer);
    TOptionBtn = topBarButton(TopBar, QStringLiteral("TOptionBtn"), QStringLiteral("Options"),
                              QStringLiteral("options"), QString());
    THelpBtn = topBarButton(TopBar, QStringLiteral("THelpBtn"), QStringLiteral("Help"),
                            QStringLiteral("help"), QString());

    connect(TNewUserBtn, &QToolButton::clicked, this, &TLinkvale1::TNewUserBtnClick);
    connect(TUserBtn, &QToolButton::clicked, this, &TLinkvale1::TUserBtnClick);
    connect(THelpBtn, &QToolButton::clicked, this, [this] { showHelp(QString()); });
}

void TLinkvale1::buildTabs() {
    TabControl1 = new QTabWidget(this);
    TabControl1->setObjectName(QStringLiteral("TabControl1"));
    TabControl1->setTabPosition(QTabWidget::South);
    TabControl1->setDocumentMode(true);
    TabItem1 = new InternetTab(TabControl1);
    TabItem2 = new BookmarksTab(TabControl1);
    TabItem3 = new PasswordsTab(TabControl1);
    TabItem4 = new ListsTab(TabControl1);
    TabItem5 = new EmailTab(TabControl1);
    TabControl1->addTab(TabItem1, QStringLiteral("Internet"));
    TabControl1->addTab(TabItem2, QStringLiteral("BookMarks"));
    TabControl1->addTab(TabItem3, QStringLiteral("Passwords"));
    TabControl1->addTab(TabItem4, QStringLiteral("Lists"));
    TabControl1->addTab(TabItem5, QStringLiteral("Saved EMail"));
    const char* names[] = {"TabItem1", "TabItem2", "TabItem3", "TabItem4", "TabItem5"};
    for (int i = 0; i < TabControl1->count(); ++i)
        TabControl1->widget(i)->setObjectName(QString::fromLatin1(names[i]));
    setCentralWidget(TabControl1);
    connect(TabControl1, &QTabWidget::currentChanged, this, &TLinkvale1::TabControl1Change);
}

void TLinkvale1::buildStatusBar() {
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    statusBar()->addWidget(Label1, 1);
    statusBar()->addPermanentWidget(Label2);
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TLinkvale1::Timer1Timer);
    Timer1->start();
    Timer1Timer();
}

void TLinkvale1::Timer1Timer() {
    Label2->setText(QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
}

void TLinkvale1::FormCreate() {
    state_.MAC_FLG = false;
    state_.WKRECID = 1;
    state_.RUNBRWSR_FLG = true;
    state_.FIRST_TIME_FLG = true;

    globals_.ROOTPATH = QDir::currentPath();
    globals_.USER_ID = QStringLiteral("Samples");
    globals_.PASSWORD.clear();
    globals_.CNVPASSWORD.clear();
    globals_.LAST_USER.clear();
    globals_.CANCEL_FLG = globals_.OPTIONS_FLG = globals_.EMSETUP_FLG = false;
    globals_.USETOEMAIL_FLG = globals_.REPORTS_FLG = false;
    state_.ROOTPATH = state_.STARTPATH = globals_.ROOTPATH;

    const PlatformProfile profile = linuxProfile(globals_.ROOTPATH);
    state_.MAC_FLG = profile.MAC_FLG;
    state_.FILE_DELIM = profile.FILE_DELIM;
    state_.FILE_DELIM2 = profile.FILE_DELIM2;
    state_.ICON_TYPE = profile.ICON_TYPE;
    state_.BMP_PATH = profile.BMP_PATH;
    state_.HELPPATH = profile.HELPPATH;
    state_.STYLE_PATH = profile.STYLE_PATH;
    caption_ = profile.caption;
    setWindowTitle(caption_);
    state_.STARTPATH = profile.favoritesPath;

    globals_.CURRENT_PATH = globals_.ROOTPATH + state_.FILE_DELIM + globals_.USER_ID;
    if (profile.keepsLastUser)
        LoadLastUser(optionsIniPath(), globals_.LAST_USER);
    if (!globals_.LAST_USER.isEmpty())
        globals_.USER_ID = globals_.LAST_USER;

    state_.FAVORITE_PATH = state_.PARENTDIR = state_.STARTPATH;

    globals_.TOTCNV_COUNT = 92;
    const auto icon = [&](const char* name) {
        return state_.BMP_PATH + QString::fromLatin1(name) + state_.ICON_TYPE;
    };
    globals_.ICONURL_FILE = icon("web");
    globals_.ICONPASS_FILE = icon("Password");
    globals_.ICONLIST_FILE = icon("List");
    globals_.ICONEMLR_FILE = icon("EMail");
    globals_.ICONEMLR2_FILE = icon("Email-Attachment");
    globals_.ICONEMLS_FILE = icon("Send");
    globals_.ICONSEARCH_FILE = icon("Find2");
    globals_.USERS_FLG = globals_.CHGUSER_FLG = globals_.EMAILADDR_FLG = false;
    globals_.EMLRNG_FLG = globals_.HELPWIN_FLG = globals_.RUNLIST_FLG = false;
    globals_.FRMPRNT_FLG = globals_.FRMOPTNS_FLG = globals_.FRMRANGE_FLG = false;
    globals_.FRMEMLSET_FLG = globals_.FRMLOGIN_FLG = globals_.FRMEMLADDR_FLG = false;
    globals_.FRMNEWUSER_FLG = globals_.FRMCHGUSER_FLG = false;
    globals_.SELECT_EMAILADDR.clear();

    state_.HELP_FILE = QStringLiteral("Index.htm");
    state_.URL_INDEX = state_.PAS_INDEX = state_.EML_INDEX = QStringLiteral("F");
    state_.LST_INDEX = QStringLiteral("A");

    createProgramFolders(globals_.ROOTPATH, profile.programFolders);

    TabItem2->Label9->setVisible(true);
    state_.STYLE_NAME = QStringLiteral("Air.Style");
    state_.FOCUSEDCONTROL = QStringLiteral("Edit29");
    state_.records.SETCURPRIORITY = defaultPriority();
    state_.records.SETCURGROUP = defaultGroup();
    state_.FOLDERTILE_CLR = 0xFFCD5C5C;
    state_.DETAILTILE_CLR = 0xFFF0F8FF;
    state_.FIRST_TIME_FLG = false;
    // The program wears its default style until a user's options name another.
    applyStyleFile(state_.STYLE_PATH + state_.STYLE_NAME);
}

QString TLinkvale1::optionsIniPath() const {
    return globals_.ROOTPATH + state_.FILE_DELIM + QStringLiteral("Options.ini");
}

void TLinkvale1::attachUserWindows(const UserWindows& windows) {
    signOnWindow_ = windows.signOn;
    newUserWindow_ = windows.newUser;
    usersWindow_ = windows.users;
    updateUserWindow_ = windows.updateUser;
    helpWindow_ = windows.help;
    const auto help = [this](const QString& page) { showHelp(page); };
    signOnWindow_->showHelp = help;
    newUserWindow_->showHelp = help;
    newUserWindow_->changeUsers = [this] { return ChangeUsers(); };
}

TUsers1* TLinkvale1::buildUsersWindow() {
    auto* window = new TUsers1(globals_, state_, tables_, prompter_, this);
    window->changeUsers = [this] { return ChangeUsers(); };
    window->showUpdateUser = [this] {
        if (!globals_.CHGUSER_FLG || updateUserWindow_.isNull())
            updateUserWindow_ = buildUpdateUserWindow();
        updateUserWindow_->exec();
    };
    window->showHelp = [this](const QString& page) { showHelp(page); };
    return window;
}

TUserUpd1* TLinkvale1::buildUpdateUserWindow() {
    auto* window = new TUserUpd1(globals_, state_, session_, prompter_, this);
    window->showHelp = [this](const QString& page) { showHelp(page); };
    return window;
}

void TLinkvale1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // Sign on once the window is on the screen, so the sign-on sits on top of it.
    QTimer::singleShot(0, this, &TLinkvale1::FormShow);
}

void TLinkvale1::FormShow() {
    TabItem1->LayoutInternetTab();
    TabItem2->LayoutBookMarksTab();
    TabItem3->LayoutPasswordsTab();
    TabItem4->LayoutListsTab();
    if (!ChangeUsers())
        return;
    if (ScanFavorites)
        ScanFavorites();
    TabItem1->setSeparatorColor(TNewUserBtn->palette().color(QPalette::ButtonText));
    if (TabControl1->currentIndex() == 0)
        TabControl1Change();
    else
        TabControl1->setCurrentIndex(0);
    TabItem2->TabControl2->setCurrentIndex(0);
    if (state_.DSPQCKTPS_FLG && showQuickTips)
        showQuickTips();
}

bool TLinkvale1::ChangeUsers() {
    if (session_.ChangeUsers() != UserSession::Outcome::Cancelled)
        return true;
    close();
    return false;
}

void TLinkvale1::TNewUserBtnClick() {
    newUserWindow_->show();
    newUserWindow_->raise();
    newUserWindow_->activateWindow();
}

void TLinkvale1::TUserBtnClick() {
    if (!globals_.USERS_FLG || usersWindow_.isNull())
        usersWindow_ = buildUsersWindow();
    usersWindow_->exec();
}

void TLinkvale1::showHelp(const QString& page) {
    if (!page.isEmpty())
        state_.HELP_FILE = page;
    if (helpWindow_ != nullptr) {
        helpWindow_->show();
        helpWindow_->raise();
    }
}

void TLinkvale1::FormResize() {
    switch (TabControl1->currentIndex()) {
    case 0:
        TabItem1->LayoutInternetTab();
        break;
    case 1:
        TabItem2->LayoutBookMarksTab();
        break;
    case 2:
        TabItem3->LayoutPasswordsTab();
        break;
    case 3:
        TabItem4->LayoutListsTab();
        break;
    case 4:
        TabItem5->LayoutEMailTab();
        break;
    default:
        break;
    }
}

void TLinkvale1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TLinkvale1::TabControl1Change() {
    const int tab = TabControl1->currentIndex();
    THTMLBtn->setEnabled(tab == 1 || tab == 2 || tab == 4);
    TAddBtn->setEnabled(tab == 1 || tab == 2);
    if (tab == 1) {
        ImpFavBtn->setText(QStringLiteral("Import Favorites"));
        ImpFavBtn->setToolTip(QStringLiteral(
            "Import Favorites from Internet Explorer or Edge to Linkvale BookMarks. "));
        ExpFavBtn->setText(QStringLiteral("Export Favorites"));
        ExpFavBtn->setToolTip(QStringLiteral(
            "Export Favorites from Linkvale BookMarks to Internet Explorer or Edge. "));
    } else if (tab == 2) {
        ImpFavBtn->setText(QStringLiteral("Import Passwords"));
        ImpFavBtn->setToolTip(QStringLiteral("Import Passwords from Google Chrome or Microsoft "
                                             "Edge to Linkvale Password BookMarks. "));
        ExpFavBtn->setText(QStringLiteral("Export Passwords"));
        ExpFavBtn->setToolTip(QStringLiteral(
            "Export Passwords from Linkvale Passwords to Google Chrome or Microsoft Edge. "));
    }
}

void TLinkvale1::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    event->accept();
    // The program ends with its main window, whatever other windows are open.
    QCoreApplication::quit();
}

void TLinkvale1::FormCloseQuery() {
    state_.WINLEFT = x();
    state_.WINTOP = y();
    state_.WINHEIGHT = height();
    state_.WINWIDTH = width();
    try {
        options_.UpDatePositions();
    } catch (const TableError& e) {
        prompter_.error(e.message());
    }
    SaveLastUser(optionsIniPath(), globals_.LAST_USER);
}

void TLinkvale1::closeAllTables() {
    for (Table* table : tables_.all()) {
        try {
            table->close();
        } catch (const TableError& e) {
            prompter_.error(e.message());
        }
    }
}

} // namespace linkvale
