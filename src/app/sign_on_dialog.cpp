#include "app/sign_on_dialog.h"

#include "app/dialog_parts.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace linkvale {

TDBLogin1::TDBLogin1(Globals& globals, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      globals_(globals) {
    setObjectName(QStringLiteral("TDBLogin1"));
    setWindowTitle(QStringLiteral("Sign onto Linkvale Database"));
    setModal(true);

    UserID = new QLineEdit(this);
    UserID->setObjectName(QStringLiteral("UserID"));
    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setEchoMode(QLineEdit::Password);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Enter User ID:"), UserID);
    form->addRow(QStringLiteral("Enter Password:"), Password);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dialogHeading(QStringLiteral("Enter User ID and Password. Click OK."), this));
    layout->addLayout(form);
    DialogButtons buttons = addDialogButtons(layout, this);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
    HelpBtn = buttons.help;
    setMinimumWidth(380);

    connect(OKBtn, &QPushButton::clicked, this, &TDBLogin1::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TDBLogin1::CancelBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TDBLogin1::HelpBtnClick);
    connect(UserID, &QLineEdit::returnPressed, this, &TDBLogin1::OKBtnClick);
    connect(Password, &QLineEdit::returnPressed, this, &TDBLogin1::OKBtnClick);
}

void TDBLogin1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void TDBLogin1::FormActivate() {
    UserID->setText(globals_.USER_ID.isEmpty() ? globals_.LAST_USER : globals_.USER_ID);
    Password->setText(globals_.PASSWORD);
    globals_.CANCEL_FLG = false;
    if (UserID->text().trimmed().isEmpty())
        UserID->setFocus();
    else
        Password->setFocus();
}

void TDBLogin1::OKBtnClick() {
    globals_.USER_ID = UserID->text();
    globals_.PASSWORD = Password->text();
    accept();
}

void TDBLogin1::CancelBtnClick() {
    globals_.CANCEL_FLG = true;
    QDialog::reject();
}

void TDBLogin1::reject() {
    CancelBtnClick();
}

void TDBLogin1::HelpBtnClick() {
    globals_.FRMLOGIN_FLG = true;
    if (showHelp)
        showHelp(QString());
}

} // namespace linkvale
