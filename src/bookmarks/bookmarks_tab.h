#pragma once

#include "tiles/record_tab.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;

namespace linkvale {

class EditingPanel;
class PageAnalysisPanel;

// The BookMarks tab: bookmark tiles beside the pages "Page Information"
// (the current bookmark's fields) and "Page Analysis" (its page source).
class BookmarksTab : public RecordTab {
    Q_OBJECT
public:
    explicit BookmarksTab(QWidget* parent = nullptr);

    void LayoutBookMarksTab();
    void TabControl2Change();

    QToolButton* TUAddBtn;
    QToolButton* TUEditBtn;
    QToolButton* TUSaveBtn;
    QToolButton* TUDelBtn;
    QToolButton* TUUndoBtn;
    QToolButton* TUIconBtn;
    QToolButton* TUBackBtn;
    QToolButton* TUNextBtn;
    QToolButton* TUSortBtn;
    QToolButton* TUToggleBtn;

    QTabWidget* TabControl2;
    QWidget* TabItem6;
    QWidget* TabItem7;
    EditingPanel* Panel2;
    PageAnalysisPanel* Panel5;

    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QComboBox* CMBGROUP;
    QComboBox* CMBPRIORTY;
    QPlainTextEdit* Memo1;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QListWidget* LISTUFLDR;
    QLabel* Label9;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label47;
    QLineEdit* EditURL;

private:
    void buildToolBar();
    void buildPageInformation();
};

} // namespace linkvale
