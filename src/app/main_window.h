#pragma once

#include "app/globals.h"
#include "app/main_window_state.h"
#include "app/options_keeper.h"
#include "app/user_session.h"
#include "platform/prompter.h"
#include "store/tables.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class QLabel;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;

namespace linkvale {

class BookmarksTab;
class EmailTab;
class InternetTab;
class ListsTab;
class PasswordsTab;
class TDBLogin1;
class TNewUser1;
class TUserUpd1;
class TUsers1;

// The main window: the top bar, the five tabs and the status bar. It owns the
// tables and the run-time state, signs users on and composes the tabs, which
// own their controls.
class TLinkvale1 : public QMainWindow {
    Q_OBJECT
public:
    TLinkvale1(Globals& globals, Prompter& prompter, QWidget* parent = nullptr);
    ~TLinkvale1() override;

    // The windows built after the main window that it shows itself.
    struct UserWindows {
        TDBLogin1* signOn = nullptr;
        TNewUser1* newUser = nullptr;
        TUsers1* users = nullptr;
        TUserUpd1* updateUser = nullptr;
        QWidget* help = nullptr;
    };
    void attachUserWindows(const UserWindows& windows);

    // Builds the windows a user change shows anew after they were closed.
    TUsers1* buildUsersWindow();
    TUserUpd1* buildUpdateUserWindow();

    // Top bar
    QToolBar* TopBar;
    QToolButton* TNewUserBtn;
    QToolButton* TUserBtn;
    QToolButton* ImpFavBtn;
    QToolButton* ExpFavBtn;
    QToolButton* TAddBtn;
    QToolButton* THTMLBtn;
    QToolButton* TRptBtn;
    QToolButton* TOptionBtn;
    QToolButton* THelpBtn;

    QTabWidget* TabControl1;
    InternetTab* TabItem1;
    BookmarksTab* TabItem2;
    PasswordsTab* TabItem3;
    ListsTab* TabItem4;
    EmailTab* TabItem5;

    QLabel* Label1; // status bar message line
    QLabel* Label2; // status bar clock
    QTimer* Timer1;

    // Routines of rooms built later, run at the first show; empty ones are skipped.
    std::function<void()> ScanFavorites;
    std::function<void()> showQuickTips;

    void FormShow();
    void FormResize();
    void TabControl1Change();
    bool ChangeUsers(); // false when the sign-on was cancelled and the program ends
    void TNewUserBtnClick();
    void TUserBtnClick();
    void showHelp(const QString& page);
    void Timer1Timer();

    // Closes and so writes every table; a table that cannot be written is
    // reported. Run when the program ends.
    void closeAllTables();

    Globals& globals() { return globals_; }
    MainWindowState& state() { return state_; }
    Tables& tables() { return tables_; }
    UserSession& session() { return session_; }
    OptionsKeeper& options() { return options_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FormCreate();
    void FormCloseQuery();
    void buildTopBar();
    void buildTabs();
    void buildStatusBar();
    QString optionsIniPath() const;

    Globals& globals_;
    Prompter& prompter_;
    MainWindowState state_;
    Tables tables_;
    UserSession session_;
    OptionsKeeper options_;
    QString caption_;
    bool shown_ = false;

    TDBLogin1* signOnWindow_ = nullptr;
    TNewUser1* newUserWindow_ = nullptr;
    QPointer<TUsers1> usersWindow_;
    QPointer<TUserUpd1> updateUserWindow_;
    QWidget* helpWindow_ = nullptr;
};

} // namespace linkvale
