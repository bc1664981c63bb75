#pragma once

#include "app/globals.h"
#include "app/main_window_state.h"
#include "app/user_session.h"
#include "platform/prompter.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace linkvale {

// "Create New User": adds a user with a data folder of its own and signs the
// new user on.
class TNewUser1 : public QDialog {
    Q_OBJECT
public:
    TNewUser1(Globals& globals, const MainWindowState& state, UserSession& session,
              Prompter& prompter, QWidget* parent = nullptr);

    QLineEdit* UserId;
    QLineEdit* Password;
    QLineEdit* ConfPassword;
    QCheckBox* CHKUSEPASSWORD;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    // The main window's user change; false when the sign-on was cancelled.
    std::function<bool()> changeUsers;
    // Shows the help window at a page (the page it holds when empty).
    std::function<void(const QString&)> showHelp;

    void FormShow();
    void CHKUSEPASSWORDChange();
    void OKBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool createUserFolder(const QString& path);

    Globals& globals_;
    const MainWindowState& state_;
    UserSession& session_;
    Prompter& prompter_;
};

} // namespace linkvale
