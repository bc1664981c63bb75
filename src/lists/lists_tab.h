#pragma once

#include "tiles/record_tab.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace linkvale {

class EditingPanel;

// The Lists tab: lists of web sites as tiles beside the current list's
// fields, its members and its schedule.
class ListsTab : public RecordTab {
    Q_OBJECT
public:
    explicit ListsTab(QWidget* parent = nullptr);

    void LayoutListsTab();

    QToolButton* TLAddBtn;
    QToolButton* TLEditBtn;
    QToolButton* TLSaveBtn;
    QToolButton* TLDelBtn;
    QToolButton* TLUndoBtn;
    QToolButton* TLIconBtn;
    QToolButton* TLPriorBtn;
    QToolButton* TLNextBtn;
    QToolButton* TLSortBtn;
    QToolButton* TLRunBtn;

    EditingPanel* Panel4;
    QLineEdit* Edit29;
    QLineEdit* Edit18;
    QComboBox* CMBGROUP3;
    QComboBox* CMBPRIORTY3;
    QPlainTextEdit* Memo3;
    QComboBox* CMBTIME;
    QComboBox* CMBDURT;
    QLabel* Label27;
    QListWidget* ListBox1;
    QCheckBox* CHKAUTORUN;
    QLabel* Label24;

private:
    void buildToolBar();
    void buildPanel();
};

} // namespace linkvale
