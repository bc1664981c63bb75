#pragma once

#include "tiles/record_tab.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace linkvale {

class EditingPanel;

// The Passwords tab: log-in records as tiles beside the current record's fields.
class PasswordsTab : public RecordTab {
    Q_OBJECT
public:
    explicit PasswordsTab(QWidget* parent = nullptr);

    void LayoutPasswordsTab();

    QToolButton* TPAddBtn;
    QToolButton* TPPassBtn;
    QToolButton* TPSaveBtn;
    QToolButton* TPDelBtn;
    QToolButton* TPUndoBtn;
    QToolButton* TPIconBtn;
    QToolButton* TPPriorBtn;
    QToolButton* TPNextBtn;
    QToolButton* TPSortBtn;
    QToolButton* TPFoldrBtn;

    EditingPanel* Panel3;
    QLineEdit* Edit9;
    QLineEdit* Edit10;
    QLineEdit* Edit11;
    QLineEdit* Edit12;
    QComboBox* CMBGROUP2;
    QComboBox* CMBPRIORTY2;
    QLineEdit* Edit13;
    QLineEdit* Edit14;
    QPlainTextEdit* Memo2;
    QLineEdit* Edit15;
    QLineEdit* Edit16;
    QListWidget* LISTPASFLDR;
    QLabel* Label20;
    QLabel* Label21;
    QLabel* Label28;
    QLabel* Label48;
    QLineEdit* Edit31;

private:
    void buildToolBar();
    void buildPanel();
};

} // namespace linkvale
