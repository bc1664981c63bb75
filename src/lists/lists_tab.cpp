#include "lists/lists_tab.h"

#include "tiles/editing_panel.h"
#include "tiles/layout_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

namespace linkvale {

ListsTab::ListsTab(QWidget* parent) : RecordTab(QStringLiteral("TileList4"), 3, 3, parent) {
    buildToolBar();
    Panel4 = new EditingPanel(QStringLiteral("Panel4"));
    setEditingSide(Panel4->inScrollArea(520, 480));
    buildPanel();
}

void ListsTab::buildToolBar() {
    TLAddBtn = addToolButton(QStringLiteral("TLAddBtn"), QStringLiteral("record-add"),
                             QStringLiteral("Add List BookMark URL Information to Linkvale. Drag "
                                            "URL from Browser and Drop on Tiles or URL Field"));
    TLEditBtn =
        addToolButton(QStringLiteral("TLEditBtn"), QStringLiteral("record-edit"),
                      QStringLiteral("Edit List BookMark URL Information to Linkvale Information"));
    TLSaveBtn = addToolButton(QStringLiteral("TLSaveBtn"), QStringLiteral("record-save"),
                              QStringLiteral("Save List BookMark URL Information to Linkvale"));
    TLDelBtn = addToolButton(QStringLiteral("TLDelBtn"), QStringLiteral("record-delete"),
                             QStringLiteral("Delete List BookMark URL Information to Linkvale"));
    TLUndoBtn = addToolButton(QStringLiteral("TLUndoBtn"), QStringLiteral("record-undo"),
                              QStringLiteral("Undo List BookMark URL Information to Linkvale"));
    TLIconBtn = addToolButton(QStringLiteral("TLIconBtn"), QStringLiteral("record-icon"),
                              QStringLiteral("Add Icon List BookMark URL to Linkvale Record."));
    toolBar()->addSeparator();
    TLPriorBtn = addToolButton(QStringLiteral("TLPriorBtn"), QStringLiteral("record-back"),
                               QStringLiteral("Move Back one Record."));
    TLNextBtn = addToolButton(QStringLiteral("TLNextBtn"), QStringLiteral("record-next"),
                              QStringLiteral("Move Forward one Record."));
    TLSortBtn = addToolButton(QStringLiteral("TLSortBtn"), QStringLiteral("record-sort"),
                              QStringLiteral("Display Records in Different Orders."));
    TLRunBtn = addToolButton(QStringLiteral("TLRunBtn"), QStringLiteral("list-run"),
                             QStringLiteral("Display Web Pages on Current List."));
}

void ListsTab::buildPanel() {
    EditingPanel& p = *Panel4;
    const int x = EditingPanel::FieldLeft;
    const int h = EditingPanel::FieldHeight;
    p.placeFieldLabel(QStringLiteral("Label22"), QStringLiteral("List Name:"), 16);
    Edit29 = p.place<QLineEdit>(QStringLiteral("Edit29"), QRect(x, 16, 420, h),
                                QStringLiteral("Enter Name of URL or Web Page List"));
    p.placeFieldLabel(QStringLiteral("Label23"), QStringLiteral("List Description:"), 56);
    Edit18 = p.place<QLineEdit>(QStringLiteral("Edit18"), QRect(x, 56, 420, h),
                                QStringLiteral("Enter Description for Web Site List"));
    p.placeFieldLabel(QStringLiteral("Label25"), QStringLiteral("Group/Priority:"), 96);
    CMBGROUP3 = p.place<QComboBox>(QStringLiteral("CMBGROUP3"), QRect(x, 96, 209, h),
                                   QStringLiteral("Select Group for Web Page List"));
    CMBPRIORTY3 = p.place<QComboBox>(QStringLiteral("CMBPRIORTY3"), QRect(x + 211, 96, 209, h),
                                     QStringLiteral("Enter Search Word for Web Page List"));
    p.placeFieldLabel(QStringLiteral("Label26"), QStringLiteral("Comments:"), 136);
    Memo3 = p.place<QPlainTextEdit>(QStringLiteral("Memo3"), QRect(x, 136, 420, 100),
                                    QStringLiteral("Web Site List Comments"));
    CMBTIME = p.place<QComboBox>(QStringLiteral("CMBTIME"), QRect(x, 238, 209, h),
                                 QStringLiteral("Set Time to Run List"));
    CMBDURT = p.place<QComboBox>(QStringLiteral("CMBDURT"), QRect(x + 211, 238, 209, h),
                                 QStringLiteral("Set time of web page to display"));
    Label27 = p.placeFieldLabel(QStringLiteral("Label27"),
                                QStringLiteral("Run Start Time / Refresh Time:"), 238);
    ListBox1 = p.place<QListWidget>(QStringLiteral("ListBox1"), QRect(x, 266, 420, 120),
                                    QStringLiteral("List of Web Pages in List"));
    CHKAUTORUN = p.place<QCheckBox>(QStringLiteral("CHKAUTORUN"), QRect(x, 388, 420, 22));
    CHKAUTORUN->setText(QStringLiteral("Automatically Run List at Preset Time"));
    Label24 = p.placeLabel(QStringLiteral("Label24"), QString(), QRect(x, 416, 420, 20));

    Panel4->layout = [this] { LayoutListsTab(); };
}

void ListsTab::LayoutListsTab() {
    const int w = Panel4->width();
    const int h = Panel4->height();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Edit29, Edit18, Memo3, ListBox1, Label24})
        control->resize(w - 235, control->height());
    const int half = roundedHalf(Edit29->width());
    for (QWidget* control :
         std::initializer_list<QWidget*>{CMBGROUP3, CMBPRIORTY3, CMBTIME, CMBDURT})
        control->resize(half - 1, control->height());
    CMBPRIORTY3->move(CMBGROUP3->x() + CMBGROUP3->width() + 2, CMBPRIORTY3->y());
    CMBDURT->move(CMBTIME->x() + CMBTIME->width() + 2, CMBDURT->y());
    Memo3->resize(Memo3->width(), h - 350);
    CMBDURT->move(CMBDURT->x(), Memo3->y() + Memo3->height() + 2);
    CMBTIME->move(CMBTIME->x(), Memo3->y() + Memo3->height() + 2);
    ListBox1->move(ListBox1->x(), CMBTIME->y() + CMBTIME->height() + 2);
    CHKAUTORUN->move(CHKAUTORUN->x(), ListBox1->y() + ListBox1->height() + 2);
    Label24->move(Label24->x(), CHKAUTORUN->y() + CHKAUTORUN->height() + 6);
    // The schedule's caption stays beside its boxes.
    Label27->move(Label27->x(), CMBTIME->y() + 2);
}

} // namespace linkvale
