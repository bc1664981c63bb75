#pragma once

#include "tiles/record_tab.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace linkvale {

class EditingPanel;

// The Saved EMail tab: saved web-mail messages as tiles beside the current
// message's fields.
class EmailTab : public RecordTab {
    Q_OBJECT
public:
    explicit EmailTab(QWidget* parent = nullptr);

    void LayoutEMailTab();

    QToolButton* TEAddBtn;
    QToolButton* TEEditBtn;
    QToolButton* TESaveBtn;
    QToolButton* TEDelBtn;
    QToolButton* TEUndoBtn;
    QToolButton* TEIconBtn;
    QToolButton* TEPriorBtn;
    QToolButton* TENextBtn;
    QToolButton* TESortBtn;

    EditingPanel* Panel6;
    QLineEdit* Edit19;
    QLineEdit* Edit20;
    QLineEdit* Edit21;
    QComboBox* CMBGROUP4;
    QComboBox* CMBPRIORTY4;
    QPlainTextEdit* Memo4;
    QLabel* Label37;
    QDateEdit* DateEdit1;
    QLineEdit* Edit22;
    QLineEdit* Edit23;
    QListWidget* LISTEMFLDR;
    QLabel* Label34;
    QLabel* Label35;
    QLabel* Label36;
    QLineEdit* EditEMUrl;

private:
    void buildToolBar();
    void buildPanel();
};

} // namespace linkvale
