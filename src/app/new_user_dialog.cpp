#include "app/new_user_dialog.h"

#include "app/dialog_parts.h"
#include "app/style_sheet.h"
#include "app/user_rules.h"
#include "store/password_scrambler.h"
#include "store/table_error.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace linkvale {

TNewUser1::TNewUser1(Globals& globals, const MainWindowState& state, UserSession& session,
                     Prompter& prompter, QWidget* parent)
    : QDialog(parent), globals_(globals), state_(state), session_(session), prompter_(prompter) {
    setObjectName(QStringLiteral("TNewUser1"));
    setWindowTitle(QStringLiteral("Create New User"));

    UserId = new QLineEdit(this);
    UserId->setObjectName(QStringLiteral("UserId"));
    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setEchoMode(QLineEdit::Password);
    ConfPassword = new QLineEdit(this);
    ConfPassword->setObjectName(QStringLiteral("ConfPassword"));
    ConfPassword->setEchoMode(QLineEdit::Password);
    CHKUSEPASSWORD = new QCheckBox(QStringLiteral("Use Password"), this);
    CHKUSEPASSWORD->setObjectName(QStringLiteral("CHKUSEPASSWORD"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Enter User Name:"), UserId);
    form->addRow(QStringLiteral("Enter Password:"), Password);
    form->addRow(QStringLiteral("Confirm Password:"), ConfPassword);
    form->addRow(QString(), CHKUSEPASSWORD);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialogHeading(
        QStringLiteral("All Information in Linkvale is Organized by User. This window Creates a "
                       "New User for Organizing URLs, Passwords, and EMail"),
        this));
    layout->addSpacing(4);
    layout->addLayout(form);
    auto* note =
        new QLabel(QStringLiteral("Enter Numbers and Letters Only - Upper or Lower Case."), this);
    note->setObjectName(QStringLiteral("DialogNote"));
    layout->addWidget(note);
    DialogButtons buttons = addDialogButtons(layout, this);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
    HelpBtn = buttons.help;
    setMinimumWidth(440);

    connect(OKBtn, &QPushButton::clicked, this, &TNewUser1::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TNewUser1::CancelBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TNewUser1::HelpBtnClick);
    connect(ConfPassword, &QLineEdit::returnPressed, this, &TNewUser1::OKBtnClick);
    connect(CHKUSEPASSWORD, &QCheckBox::toggled, this, &TNewUser1::CHKUSEPASSWORDChange);
}

void TNewUser1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TNewUser1::FormShow() {
    applyStyleFile(state_.STYLE_PATH + state_.STYLE_NAME);
    UserId->setFocus();
}

void TNewUser1::CHKUSEPASSWORDChange() {
    if (!Password->text().isEmpty() && !ConfPassword->text().isEmpty())
        return;
    if (CHKUSEPASSWORD->isChecked())
        prompter_.warning(
            QStringLiteral("You must Enter a Valid Password when Selecting Use Password."));
}

bool TNewUser1::createUserFolder(const QString& path) {
    if (QDir(path).exists() || QDir().mkdir(path))
        return true;
    prompter_.error(QStringLiteral("Cannot create the folder \"%1\" for the new user.").arg(path));
    return false;
}

void TNewUser1::OKBtnClick() {
    const QString name = UserId->text();
    if (const auto problem = ValidateNewUser(name, Password->text(), ConfPassword->text(),
                                             globals_.ROOTPATH, globals_.USER_ID)) {
        prompter_.warning(problem->message);
        switch (problem->box) {
        case NewUserBox::UserName:
            UserId->setFocus();
            break;
        case NewUserBox::Password:
            Password->setFocus();
            break;
        case NewUserBox::Confirmation:
            ConfPassword->setFocus();
            break;
        }
        return;
    }
    const QString folder = globals_.ROOTPATH + state_.FILE_DELIM + name;
    if (!createUserFolder(folder))
        return;
    globals_.CURRENT_PATH = folder;
    globals_.USER_ID = name;
    globals_.PASSWORD = Password->text();
    globals_.CNVPASSWORD = passwordScrambler().ConvertPassword(globals_.PASSWORD);
    try {
        session_.OpenDataFile(false);
        appendUserRecord(session_.tables().ClientDataSet1, name, globals_.CNVPASSWORD,
                         CHKUSEPASSWORD->isChecked(), state_.records.now());
    } catch (const TableError& e) {
        prompter_.error(e.message());
        return;
    }
    if (changeUsers && !changeUsers())
        return; // the program is ending
    close();
}

void TNewUser1::CancelBtnClick() {
    close();
}

void TNewUser1::HelpBtnClick() {
    globals_.FRMNEWUSER_FLG = true;
    if (showHelp)
        showHelp(QStringLiteral("add_a_new_user_to_linkvale.htm"));
}

} // namespace linkvale
