#pragma once

#include "tiles/editing_panel.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace linkvale {

// The "Page Analysis" page of the BookMarks tab: a bookmark's page source,
// a search box and the lines where the searched text was found.
class PageAnalysisPanel : public EditingPanel {
    Q_OBJECT
public:
    explicit PageAnalysisPanel(QWidget* parent = nullptr);

    void LayoutPageAnalysis();

    QPlainTextEdit* TMSFNCMemo1;
    QLabel* Label39;
    QLineEdit* Edit17;
    QPushButton* AnGoBtn;
    QListWidget* ListBox2;
    QToolButton* TUPictBtn;
    QToolButton* BkClrHTMBtn;
};

} // namespace linkvale
