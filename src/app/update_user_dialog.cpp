#include "app/update_user_dialog.h"

#include "app/dialog_parts.h"
#include "app/style_sheet.h"
#include "app/user_rules.h"
#include "store/password_scrambler.h"
#include "store/table_error.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace linkvale {

TUserUpd1::TUserUpd1(Globals& globals, const MainWindowState& state, UserSession& session,
                     Prompter& prompter, QWidget* parent)
    : QDialog(parent), globals_(globals), state_(state), session_(session), prompter_(prompter) {
    setObjectName(QStringLiteral("TUserUpd1"));
    setWindowTitle(QStringLiteral("Update User Information"));
    setAttribute(Qt::WA_DeleteOnClose);
    globals_.CHGUSER_FLG = true;

    Label1 = new QLabel(QStringLiteral("Enter Password:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEchoMode(QLineEdit::Password);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setEchoMode(QLineEdit::Password);
    CHKUSEPASSWORD = new QCheckBox(QStringLiteral("Require Password"), this);
    CHKUSEPASSWORD->setObjectName(QStringLiteral("CHKUSEPASSWORD"));

    auto* layout = new QVBoxLayout(this);
    auto* heading = dialogHeading(QStringLiteral("Change Password"), this);
    layout->addWidget(heading);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Confirm Password:"), Edit2);
    form->addRow(QString(), CHKUSEPASSWORD);
    layout->addLayout(form);
    DialogButtons buttons = addDialogButtons(layout, this);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
    HelpBtn = buttons.help;
    setMinimumWidth(400);

    connect(OKBtn, &QPushButton::clicked, this, &TUserUpd1::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TUserUpd1::CancelBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TUserUpd1::HelpBtnClick);
    connect(Edit2, &QLineEdit::returnPressed, this, &TUserUpd1::OKBtnClick);
}

TUserUpd1::~TUserUpd1() {
    globals_.CHGUSER_FLG = false;
}

void TUserUpd1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TUserUpd1::FormShow() {
    applyStyleFile(state_.STYLE_PATH + state_.STYLE_NAME);
    Label1->setText(QStringLiteral("Change Password for - ") + globals_.USER_ID);
    Edit1->setFocus();
}

void TUserUpd1::OKBtnClick() {
    if (Edit1->text() != Edit2->text()) {
        prompter_.warning(QStringLiteral("Passwords entered must be exactly the same"));
        return;
    }
    if (Edit1->text().size() > userPasswordWidth) {
        prompter_.warning(QStringLiteral("    Password cannot be longer than 25 characters."));
        return;
    }
    globals_.PASSWORD = Edit1->text();
    globals_.CNVPASSWORD = passwordScrambler().ConvertPassword(globals_.PASSWORD);
    try {
        session_.OpenDataFile(false);
        Table& users = session_.tables().ClientDataSet1;
        if (!users.locate(QStringLiteral("UserName"), globals_.USER_ID))
            return;
        users.edit();
        users.setField(QStringLiteral("Password"), globals_.CNVPASSWORD);
        users.setField(QStringLiteral("UsePassword"), CHKUSEPASSWORD->isChecked());
        users.setField(QStringLiteral("LastUpdated"), state_.records.now());
        users.post();
        users.close();
        users.open();
    } catch (const TableError& e) {
        prompter_.error(e.message());
        return;
    }
    prompter_.warning(QStringLiteral("Password Changed for User ID - ") + globals_.USER_ID);
    close();
}

void TUserUpd1::CancelBtnClick() {
    close();
}

void TUserUpd1::HelpBtnClick() {
    globals_.FRMCHGUSER_FLG = true;
    if (showHelp)
        showHelp(QStringLiteral("update_user_password_in_linkvale.htm"));
}

} // namespace linkvale
