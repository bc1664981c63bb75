#pragma once

#include "app/globals.h"
#include "app/main_window_state.h"
#include "platform/prompter.h"
#include "store/tables.h"

#include <QDialog>

#include <functional>

class QPushButton;
class QTreeWidget;

namespace linkvale {

// "Linkvale Users": lists the users and signs another one on, changes the
// signed-on user's password or deletes a user.
class TUsers1 : public QDialog {
    Q_OBJECT
public:
    TUsers1(Globals& globals, const MainWindowState& state, Tables& tables, Prompter& prompter,
            QWidget* parent = nullptr);
    ~TUsers1() override;

    QTreeWidget* TreeView1;
    QPushButton* OKBtn;
    QPushButton* ChgBtn;
    QPushButton* DelBtn;
    QPushButton* CancelBtn;
    QPushButton* HelpBtn;

    std::function<bool()> changeUsers; // false when the sign-on was cancelled
    std::function<void()> showUpdateUser;
    std::function<void(const QString&)> showHelp;

    void FormShow();
    void LoadUserTree();
    void OKBtnClick();
    void TreeView1DblClick();
    void ChgBtnClick();
    void DelBtnClick();
    void CancelBtnClick();
    void HelpBtnClick();

    // The name of the selected entry; empty when nothing is selected.
    QString chosenName() const;
    // Signs the chosen user on; false when none is chosen or the sign-on failed.
    bool signOnChosenUser();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The bookmark table is open and shows at least one record.
    bool UserHasBookmarks() const;

    Globals& globals_;
    const MainWindowState& state_;
    Tables& tables_;
    Prompter& prompter_;
};

} // namespace linkvale
