#include "bookmarks/bookmarks_tab.h"

#include "analysis/page_analysis_panel.h"
#include "tiles/editing_panel.h"
#include "tiles/layout_rules.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace linkvale {

BookmarksTab::BookmarksTab(QWidget* parent) : RecordTab(QStringLiteral("TileList2"), 3, 4, parent) {
    buildToolBar();
    TabControl2 = new QTabWidget(this);
    TabControl2->setObjectName(QStringLiteral("TabControl2"));
    Panel2 = new EditingPanel(QStringLiteral("Panel2"));
    Panel5 = new PageAnalysisPanel;
    TabItem6 = Panel2->inScrollArea(520, 560);
    TabItem6->setObjectName(QStringLiteral("TabItem6"));
    TabItem7 = Panel5->inScrollArea(520, 400);
    TabItem7->setObjectName(QStringLiteral("TabItem7"));
    TabControl2->addTab(TabItem6, QStringLiteral("Page Information"));
    TabControl2->addTab(TabItem7, QStringLiteral("Page Analysis"));
    setEditingSide(TabControl2);
    buildPageInformation();
    connect(TabControl2, &QTabWidget::currentChanged, this, &BookmarksTab::TabControl2Change);
}

void BookmarksTab::buildToolBar() {
    TUAddBtn = addToolButton(QStringLiteral("TUAddBtn"), QStringLiteral("record-add"),
                             QStringLiteral("Add BookMark URL to Linkvale. Drag URL from Browser "
                                            "and Drop on Tiles or URL Field"));
    TUEditBtn = addToolButton(QStringLiteral("TUEditBtn"), QStringLiteral("record-edit"),
                              QStringLiteral("Edit BookMark URL to Linkvale Information"));
    TUSaveBtn = addToolButton(QStringLiteral("TUSaveBtn"), QStringLiteral("record-save"),
                              QStringLiteral("Save BookMark URL to Linkvale"));
    TUDelBtn = addToolButton(QStringLiteral("TUDelBtn"), QStringLiteral("record-delete"),
                             QStringLiteral("Delete BookMark URL to Linkvale"));
    TUUndoBtn = addToolButton(QStringLiteral("TUUndoBtn"), QStringLiteral("record-undo"),
                              QStringLiteral("Undo BookMark URL to Linkvale"));
    TUIconBtn = addToolButton(QStringLiteral("TUIconBtn"), QStringLiteral("record-icon"),
                              QStringLiteral("Add Icon BookMark URL to Linkvale"));
    toolBar()->addSeparator();
    TUBackBtn = addToolButton(QStringLiteral("TUBackBtn"), QStringLiteral("record-back"),
                              QStringLiteral("Move Back one Record."));
    TUNextBtn = addToolButton(QStringLiteral("TUNextBtn"), QStringLiteral("record-next"),
                              QStringLiteral("Move Forward one Record."));
    TUSortBtn = addToolButton(QStringLiteral("TUSortBtn"), QStringLiteral("record-sort"),
                              QStringLiteral("Display Records in Different Orders."));
    TUToggleBtn = addToolButton(QStringLiteral("TUToggleBtn"), QStringLiteral("record-folders"),
                                QStringLiteral("Display Records in Folder Order."));
}

void BookmarksTab::buildPageInformation() {
    EditingPanel& p = *Panel2;
    const int x = EditingPanel::FieldLeft;
    const int h = EditingPanel::FieldHeight;
    p.placeFieldLabel(QStringLiteral("Label6"), QStringLiteral("Web Page Name:"), 16);
    Edit4 = p.place<QLineEdit>(QStringLiteral("Edit4"), QRect(x, 16, 415, h),
                               QStringLiteral("Enter or Change Web Page Name in Database"));
    p.placeFieldLabel(QStringLiteral("Label7"), QStringLiteral("Web Page URL:"), 56);
    Edit5 = p.place<QLineEdit>(QStringLiteral("Edit5"), QRect(x, 56, 415, h),
                               QStringLiteral("Drag or Drop URL from Browser to this Field"));
    Label9 =
        p.placeFieldLabel(QStringLiteral("Label9"), QStringLiteral("Web Page Description:"), 96);
    Edit6 = p.place<QLineEdit>(QStringLiteral("Edit6"), QRect(x, 96, 415, h),
                               QStringLiteral("Enter Description for Web Page"));
    p.placeFieldLabel(QStringLiteral("Label10"), QStringLiteral("Group/Priority:"), 136);
    CMBGROUP = p.place<QComboBox>(QStringLiteral("CMBGROUP"), QRect(x, 136, 206, h),
                                  QStringLiteral("Select Group for Web Page"));
    CMBPRIORTY = p.place<QComboBox>(QStringLiteral("CMBPRIORTY"), QRect(x + 208, 136, 206, h),
                                    QStringLiteral("Select Priority for Web Page"));
    p.placeFieldLabel(QStringLiteral("Label11"), QStringLiteral("Comments:"), 176);
    Memo1 = p.place<QPlainTextEdit>(QStringLiteral("Memo1"), QRect(x, 176, 415, 100),
                                    QStringLiteral("Enter Comments for Web Page"));
    Edit7 = p.place<QLineEdit>(QStringLiteral("Edit7"), QRect(x, 278, 206, h),
                               QStringLiteral("Enter Search Word for Web Page"));
    Edit8 = p.place<QLineEdit>(QStringLiteral("Edit8"), QRect(x + 208, 278, 206, h),
                               QStringLiteral("Enter Search Word for Web Page"));
    Label12 = p.placeFieldLabel(QStringLiteral("Label12"), QStringLiteral("Search Words:"), 278);
    LISTUFLDR = p.place<QListWidget>(
        QStringLiteral("LISTUFLDR"), QRect(x, 306, 415, 120),
        QStringLiteral("Select Favorite or Bookmark Folder for Web Page in the Database"));
    Label13 =
        p.placeFieldLabel(QStringLiteral("Label13"), QStringLiteral("Select Parent Folder:"), 306);
    Label47 = p.placeLabel(QStringLiteral("Label47"), QString(), QRect(x, 428, 415, 20));
    EditURL = p.place<QLineEdit>(QStringLiteral("EditURL"), QRect(x, 0, 415, h));
    EditURL->setVisible(false);
    EditURL->setReadOnly(true);

    Panel2->layout = [this] { LayoutBookMarksTab(); };
}

void BookmarksTab::LayoutBookMarksTab() {
    const int w = Panel2->width();
    const int h = Panel2->height();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Edit4, Edit5, Edit6, LISTUFLDR, Label47, Memo1})
        control->resize(w - 235, control->height());
    const int half = roundedHalf(Edit6->width());
    for (QWidget* control : std::initializer_list<QWidget*>{CMBGROUP, CMBPRIORTY, Edit7, Edit8})
        control->resize(half - 1, control->height());
    CMBPRIORTY->move(CMBGROUP->x() + CMBGROUP->width() + 2, CMBPRIORTY->y());
    Edit8->move(Edit7->x() + Edit7->width() + 2, Edit8->y());
    Memo1->resize(Memo1->width(), h - 450);
    Edit7->move(Edit7->x(), Memo1->y() + Memo1->height() + 2);
    Edit8->move(Edit8->x(), Memo1->y() + Memo1->height() + 2);
    LISTUFLDR->move(LISTUFLDR->x(), Edit8->y() + Edit8->height() + 2);
    LISTUFLDR->resize(LISTUFLDR->width(), h - Memo1->height() - 235);
    Label12->move(Label12->x(), Edit7->y() + 2);
    Label13->move(Label13->x(), LISTUFLDR->y() + 2);
    Label47->move(Label47->x(), LISTUFLDR->y() + LISTUFLDR->height() + 2);
}

void BookmarksTab::TabControl2Change() {
    if (TabControl2->currentWidget() == TabItem7)
        Panel5->Edit17->setFocus();
}

} // namespace linkvale
