#pragma once

#include "app/globals.h"
#include "app/main_window_state.h"
#include "app/user_session.h"
#include "platform/prompter.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace linkvale {

// "Update User Information": changes the signed-on user's password and
// whether the sign-on asks for it.
class TUserUpd1 : public QDialog {
    Q_OBJECT
public:
    TUserUpd1(Globals& globals, const MainWindowState& state, UserSession& session,
              Prompter& prompter, QWidget* parent = nullptr);
    ~TUserUpd1() override;

    QLabel* Label1;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QCheckBox* CHKUSEPASSWORD;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    std::function<void(const QString&)> showHelp;

    void FormShow();
    void OKBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Globals& globals_;
    const MainWindowState& state_;
    UserSession& session_;
    Prompter& prompter_;
};

} // namespace linkvale
