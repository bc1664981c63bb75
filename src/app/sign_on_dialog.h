#pragma once

#include "app/globals.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace linkvale {

// "Sign onto Linkvale Database": asks for a user name and password.
class TDBLogin1 : public QDialog {
    Q_OBJECT
public:
    explicit TDBLogin1(Globals& globals, QWidget* parent = nullptr);

    QLineEdit* UserID;
    QLineEdit* Password;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    // Shows the help window at a page (the page it holds when empty).
    std::function<void(const QString&)> showHelp;

    void FormActivate();
    void OKBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();

    // Left with Cancel (or Escape; the window has no close box).
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Globals& globals_;
};

} // namespace linkvale
