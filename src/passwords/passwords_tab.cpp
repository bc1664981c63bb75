#include "passwords/passwords_tab.h"

#include "tiles/editing_panel.h"
#include "tiles/layout_rules.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

namespace linkvale {

PasswordsTab::PasswordsTab(QWidget* parent) : RecordTab(QStringLiteral("TileList3"), 3, 3, parent) {
    buildToolBar();
    Panel3 = new EditingPanel(QStringLiteral("Panel3"));
    setEditingSide(Panel3->inScrollArea(520, 560));
    buildPanel();
}

void PasswordsTab::buildToolBar() {
    TPAddBtn =
        addToolButton(QStringLiteral("TPAddBtn"), QStringLiteral("record-add"),
                      QStringLiteral("Add Password BookMark URL Information to Linkvale. "
                                     "Drag URL from Browser and Drop on Tiles or URL Field"));
    TPPassBtn = addToolButton(
        QStringLiteral("TPPassBtn"), QStringLiteral("record-edit"),
        QStringLiteral("Edit Password BookMark URL Information to Linkvale Information"));
    TPSaveBtn = addToolButton(QStringLiteral("TPSaveBtn"), QStringLiteral("record-save"),
                              QStringLiteral("Save Password BookMark URL Information to Linkvale"));
    TPDelBtn =
        addToolButton(QStringLiteral("TPDelBtn"), QStringLiteral("record-delete"),
                      QStringLiteral("Delete Password BookMark URL Information to Linkvale"));
    TPUndoBtn = addToolButton(QStringLiteral("TPUndoBtn"), QStringLiteral("record-undo"),
                              QStringLiteral("Undo Password BookMark URL Information to Linkvale"));
    TPIconBtn = addToolButton(QStringLiteral("TPIconBtn"), QStringLiteral("record-icon"),
                              QStringLiteral("Add Icon Password BookMark URL to Linkvale"));
    toolBar()->addSeparator();
    TPPriorBtn = addToolButton(QStringLiteral("TPPriorBtn"), QStringLiteral("record-back"),
                               QStringLiteral("Move Back one Record."));
    TPNextBtn = addToolButton(QStringLiteral("TPNextBtn"), QStringLiteral("record-next"),
                              QStringLiteral("Move Forward one Record."));
    TPSortBtn = addToolButton(QStringLiteral("TPSortBtn"), QStringLiteral("record-sort"),
                              QStringLiteral("Display Records in Different Orders."));
    TPFoldrBtn = addToolButton(QStringLiteral("TPFoldrBtn"), QStringLiteral("record-folders"),
                               QStringLiteral("Display Records in Folder Order."));
}

void PasswordsTab::buildPanel() {
    EditingPanel& p = *Panel3;
    const int x = EditingPanel::FieldLeft;
    const int h = EditingPanel::FieldHeight;
    const auto field = [&](const QString& label, const QString& caption, const QString& name,
                           int top, const QString& hint) {
        p.placeFieldLabel(label, caption, top);
        return p.place<QLineEdit>(name, QRect(x, top, 415, h), hint);
    };
    Edit9 =
        field(QStringLiteral("Label14"), QStringLiteral("Company Name:"), QStringLiteral("Edit9"),
              12, QStringLiteral("Enter Company Name to sort by Company"));
    Edit10 =
        field(QStringLiteral("Label15"), QStringLiteral("Web Page Name:"), QStringLiteral("Edit10"),
              48, QStringLiteral("Enter or Change Web Page Name in Password Database"));
    Edit11 =
        field(QStringLiteral("Label16"), QStringLiteral("Web Page URL:"), QStringLiteral("Edit11"),
              84, QStringLiteral("Drag or Drop URL from Browser to this Field"));
    Edit12 = field(QStringLiteral("Label17"), QStringLiteral("Web Page Descripn:"),
                   QStringLiteral("Edit12"), 120,
                   QStringLiteral("Enter Description for Web Page in Password Database"));
    p.placeFieldLabel(QStringLiteral("Label18"), QStringLiteral("Group/Priority:"), 156);
    CMBGROUP2 = p.place<QComboBox>(QStringLiteral("CMBGROUP2"), QRect(x, 156, 206, h),
                                   QStringLiteral("Select Group for Web Page"));
    CMBPRIORTY2 = p.place<QComboBox>(QStringLiteral("CMBPRIORTY2"), QRect(x + 208, 156, 206, h),
                                     QStringLiteral("Select Priority for Web Page"));
    p.placeFieldLabel(QStringLiteral("Label19"), QStringLiteral("User ID/Password:"), 192);
    Edit13 = p.place<QLineEdit>(QStringLiteral("Edit13"), QRect(x, 192, 206, h),
                                QStringLiteral("Enter or Paste User Name or ID to enter Web Site"));
    Edit14 = p.place<QLineEdit>(QStringLiteral("Edit14"), QRect(x + 208, 192, 206, h),
                                QStringLiteral("Enter or Paste User Password to enter Web Site"));
    Edit14->setEchoMode(QLineEdit::Password);
    Memo2 = p.place<QPlainTextEdit>(QStringLiteral("Memo2"), QRect(x, 228, 415, 100),
                                    QStringLiteral("Enter Comments for Web Page or Click Source "
                                                   "Button to View Web Page Source Code"));
    Label28 = p.placeFieldLabel(QStringLiteral("Label28"), QStringLiteral("Source/Comments:"), 228);
    Edit15 = p.place<QLineEdit>(QStringLiteral("Edit15"), QRect(x, 330, 206, h),
                                QStringLiteral("Enter Search Word for Web Page"));
    Edit16 = p.place<QLineEdit>(QStringLiteral("Edit16"), QRect(x + 208, 330, 206, h),
                                QStringLiteral("Enter Search Word for Web Page"));
    Label20 = p.placeFieldLabel(QStringLiteral("Label20"), QStringLiteral("Search Words:"), 330);
    LISTPASFLDR = p.place<QListWidget>(
        QStringLiteral("LISTPASFLDR"), QRect(x, 358, 415, 120),
        QStringLiteral("Select Favorite or Bookmark Folder for Web Page in the Database"));
    Label21 =
        p.placeFieldLabel(QStringLiteral("Label21"), QStringLiteral("Select Parent Folder:"), 358);
    Label48 = p.placeLabel(QStringLiteral("Label48"), QString(), QRect(x, 480, 415, 20));
    Edit31 = p.place<QLineEdit>(QStringLiteral("Edit31"), QRect(x, 0, 415, h));
    Edit31->setVisible(false);
    Edit31->setReadOnly(true);

    Panel3->layout = [this] { LayoutPasswordsTab(); };
}

void PasswordsTab::LayoutPasswordsTab() {
    const int w = Panel3->width();
    const int h = Panel3->height();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Edit9, Edit10, Edit11, Edit12, LISTPASFLDR, Memo2})
        control->resize(w - 240, control->height());
    const int half = roundedHalf(Edit9->width());
    for (QWidget* control :
         std::initializer_list<QWidget*>{CMBGROUP2, CMBPRIORTY2, Edit13, Edit14, Edit15, Edit16})
        control->resize(half - 1, control->height());
    CMBPRIORTY2->move(CMBGROUP2->x() + CMBGROUP2->width() + 2, CMBPRIORTY2->y());
    Edit14->move(Edit13->x() + Edit13->width() + 2, Edit14->y());
    Edit16->move(Edit13->x() + Edit13->width() + 2, Edit16->y());
    Memo2->resize(Memo2->width(), h - 430);
    Edit15->move(Edit15->x(), Memo2->y() + Memo2->height() + 2);
    Edit16->move(Edit16->x(), Memo2->y() + Memo2->height() + 2);
    LISTPASFLDR->move(LISTPASFLDR->x(), Edit15->y() + Edit15->height() + 2);
    LISTPASFLDR->resize(LISTPASFLDR->width(), h - Memo2->height() - 290);
    Label28->move(Label28->x(), Memo2->y() + 2);
    Label20->move(Label20->x(), Edit15->y() + 2);
    Label21->move(Label21->x(), LISTPASFLDR->y() + 2);
    Label48->move(Label48->x(), LISTPASFLDR->y() + LISTPASFLDR->height() + 2);
    Label48->resize(LISTPASFLDR->width(), Label48->height());
}

} // namespace linkvale
