#include "email/email_tab.h"

#include "tiles/editing_panel.h"
#include "tiles/layout_rules.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

namespace linkvale {

EmailTab::EmailTab(QWidget* parent) : RecordTab(QStringLiteral("TileList5"), 3, 3, parent) {
    buildToolBar();
    Panel6 = new EditingPanel(QStringLiteral("Panel6"));
    setEditingSide(Panel6->inScrollArea(520, 580));
    buildPanel();
}

void EmailTab::buildToolBar() {
    TEAddBtn = addToolButton(QStringLiteral("TEAddBtn"), QStringLiteral("record-add"),
                             QStringLiteral("Add EMail URL Information to Linkvale. Drag URL from "
                                            "Browser and Drop on Tiles or URL Field"));
    TEEditBtn = addToolButton(QStringLiteral("TEEditBtn"), QStringLiteral("record-edit"),
                              QStringLiteral("Edit EMail URL Information to Linkvale Information"));
    TESaveBtn = addToolButton(QStringLiteral("TESaveBtn"), QStringLiteral("record-save"),
                              QStringLiteral("Save EMail URL Information to Linkvale"));
    TEDelBtn = addToolButton(QStringLiteral("TEDelBtn"), QStringLiteral("record-delete"),
                             QStringLiteral("Delete EMail URL Information to Linkvale"));
    TEUndoBtn = addToolButton(QStringLiteral("TEUndoBtn"), QStringLiteral("record-undo"),
                              QStringLiteral("Undo EMail URL Information to Linkvale"));
    TEIconBtn = addToolButton(QStringLiteral("TEIconBtn"), QStringLiteral("record-icon"),
                              QStringLiteral("Add Icon EMail URL to Linkvale Record."));
    toolBar()->addSeparator();
    TEPriorBtn = addToolButton(QStringLiteral("TEPriorBtn"), QStringLiteral("record-back"),
                               QStringLiteral("Move Back one Record."));
    TENextBtn = addToolButton(QStringLiteral("TENextBtn"), QStringLiteral("record-next"),
                              QStringLiteral("Move Forward one Record."));
    TESortBtn = addToolButton(QStringLiteral("TESortBtn"), QStringLiteral("record-sort"),
                              QStringLiteral("Display Records in Different Orders."));
}

void EmailTab::buildPanel() {
    EditingPanel& p = *Panel6;
    const int x = EditingPanel::FieldLeft;
    const int h = EditingPanel::FieldHeight;
    p.placeFieldLabel(QStringLiteral("Label29"), QStringLiteral("From / To EMail:"), 16);
    Edit19 = p.place<QLineEdit>(QStringLiteral("Edit19"), QRect(x, 16, 420, h),
                                QStringLiteral("Enter or Change Web Page Name in Database"));
    p.placeFieldLabel(QStringLiteral("Label30"), QStringLiteral("EMail Web Page URL:"), 56);
    Edit20 = p.place<QLineEdit>(QStringLiteral("Edit20"), QRect(x, 56, 420, h),
                                QStringLiteral("Drag or Drop URL from Browser to this Field"));
    p.placeFieldLabel(QStringLiteral("Label31"), QStringLiteral("EMail Subject:"), 96);
    Edit21 = p.place<QLineEdit>(QStringLiteral("Edit21"), QRect(x, 96, 420, h),
                                QStringLiteral("Enter Description for Web Page"));
    p.placeFieldLabel(QStringLiteral("Label32"), QStringLiteral("Group/Priority:"), 136);
    CMBGROUP4 = p.place<QComboBox>(QStringLiteral("CMBGROUP4"), QRect(x, 136, 209, h),
                                   QStringLiteral("Select Group for Web Page"));
    CMBPRIORTY4 = p.place<QComboBox>(QStringLiteral("CMBPRIORTY4"), QRect(x + 211, 136, 209, h),
                                     QStringLiteral("Select Priority for Web Page"));
    p.placeFieldLabel(QStringLiteral("Label33"), QStringLiteral("EMail Text:"), 176);
    Memo4 = p.place<QPlainTextEdit>(QStringLiteral("Memo4"), QRect(x, 176, 420, 100),
                                    QStringLiteral("Enter Comments for Web Page or Click Source "
                                                   "Button to View Web Page Source Code"));
    Label37 = p.placeLabel(QStringLiteral("Label37"), QStringLiteral("EMail Date"),
                           QRect(60, 206, 150, 18));
    DateEdit1 = p.place<QDateEdit>(QStringLiteral("DateEdit1"), QRect(60, 226, 150, h));
    DateEdit1->setCalendarPopup(true);
    DateEdit1->setDate(QDate::currentDate());
    Edit22 = p.place<QLineEdit>(QStringLiteral("Edit22"), QRect(x, 278, 209, h),
                                QStringLiteral("Enter Search Word for Web Page"));
    Edit23 = p.place<QLineEdit>(QStringLiteral("Edit23"), QRect(x + 211, 278, 209, h),
                                QStringLiteral("Enter Search Word for Web Page"));
    Label34 = p.placeFieldLabel(QStringLiteral("Label34"), QStringLiteral("Search Words:"), 278);
    LISTEMFLDR = p.place<QListWidget>(
        QStringLiteral("LISTEMFLDR"), QRect(x, 306, 420, 120),
        QStringLiteral("Select Favorite or Bookmark Folder for Web Page in the Database"));
    Label35 =
        p.placeFieldLabel(QStringLiteral("Label35"), QStringLiteral("Select Parent Folder:"), 306);
    Label36 = p.placeLabel(QStringLiteral("Label36"), QString(), QRect(x, 428, 420, 20));
    EditEMUrl = p.place<QLineEdit>(QStringLiteral("EditEMUrl"), QRect(x, 0, 420, h));
    EditEMUrl->setVisible(false);
    EditEMUrl->setReadOnly(true);

    Panel6->layout = [this] { LayoutEMailTab(); };
}

void EmailTab::LayoutEMailTab() {
    const int w = Panel6->width();
    const int h = Panel6->height();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Edit19, Edit20, Edit21, LISTEMFLDR, Label36, Memo4})
        control->resize(w - 235, control->height());
    const int half = roundedHalf(Edit21->width());
    for (QWidget* control : std::initializer_list<QWidget*>{CMBGROUP4, CMBPRIORTY4, Edit22, Edit23})
        control->resize(half - 1, control->height());
    CMBPRIORTY4->move(CMBGROUP4->x() + CMBGROUP4->width() + 2, CMBPRIORTY4->y());
    Edit23->move(Edit22->x() + Edit23->width() + 2, Edit23->y());
    Memo4->resize(Memo4->width(), h - 460);
    DateEdit1->move(DateEdit1->x(), Memo4->y() + roundedHalf(Memo4->height()));
    Label37->move(Label37->x(), DateEdit1->y() - 20);
    Edit22->move(Edit22->x(), Memo4->y() + Memo4->height() + 2);
    Edit23->move(Edit23->x(), Memo4->y() + Memo4->height() + 2);
    LISTEMFLDR->move(LISTEMFLDR->x(), Edit23->y() + Edit23->height() + 2);
    LISTEMFLDR->resize(LISTEMFLDR->width(), h - Memo4->height() - 235);
    Label34->move(Label34->x(), Edit23->y() + 2);
    Label35->move(Label35->x(), LISTEMFLDR->y() + 2);
    Label36->move(Label36->x(), LISTEMFLDR->y() + LISTEMFLDR->height() + 2);
}

} // namespace linkvale
