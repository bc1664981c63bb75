#include "passwords/passwords_tab.h"
#include "tiles/editing_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace linkvale;

namespace {

int bottom(const QWidget* w) {
    return w->y() + w->height();
}

TEST(PasswordsLayout, FieldsFollowThePanelSize) {
    struct Case {
        int panelWidth, panelHeight, fieldWidth, halfWidth, memoHeight, folderHeight;
    };
    const Case cases[] = {{700, 800, 460, 229, 370, 140}, {705, 640, 465, 231, 210, 140}};
    for (const Case& c : cases) {
        PasswordsTab tab;
        tab.Panel3->resize(c.panelWidth, c.panelHeight);
        tab.LayoutPasswordsTab();
        const auto at = ::testing::Message() << c.panelWidth << "x" << c.panelHeight;
        for (QWidget* field :
             std::initializer_list<QWidget*>{tab.Edit9, tab.Edit10, tab.Edit11, tab.Edit12,
                                             tab.LISTPASFLDR, tab.Memo2, tab.Label48})
            EXPECT_EQ(field->width(), c.fieldWidth) << at << field->objectName().toStdString();
        for (QWidget* half : std::initializer_list<QWidget*>{
                 tab.CMBGROUP2, tab.CMBPRIORTY2, tab.Edit13, tab.Edit14, tab.Edit15, tab.Edit16})
            EXPECT_EQ(half->width(), c.halfWidth) << at << half->objectName().toStdString();
        EXPECT_EQ(tab.CMBPRIORTY2->x(), tab.CMBGROUP2->x() + c.halfWidth + 2) << at;
        EXPECT_EQ(tab.Edit14->x(), tab.Edit13->x() + c.halfWidth + 2) << at;
        EXPECT_EQ(tab.Edit16->x(), tab.Edit14->x()) << at;
        EXPECT_EQ(tab.Memo2->height(), c.memoHeight) << at;
        EXPECT_EQ(tab.Edit15->y(), bottom(tab.Memo2) + 2) << at;
        EXPECT_EQ(tab.Edit16->y(), tab.Edit15->y()) << at;
        EXPECT_EQ(tab.LISTPASFLDR->y(), bottom(tab.Edit15) + 2) << at;
        EXPECT_EQ(tab.LISTPASFLDR->height(), c.folderHeight) << at;
        EXPECT_EQ(tab.Label28->y(), tab.Memo2->y() + 2) << at;
        EXPECT_EQ(tab.Label20->y(), tab.Edit15->y() + 2) << at;
        EXPECT_EQ(tab.Label21->y(), tab.LISTPASFLDR->y() + 2) << at;
        EXPECT_EQ(tab.Label48->y(), bottom(tab.LISTPASFLDR) + 2) << at;
        EXPECT_LE(bottom(tab.Label48), c.panelHeight) << at;
    }
}

TEST(PasswordsLayout, ThePasswordIsMasked) {
    PasswordsTab tab;
    EXPECT_EQ(tab.Edit14->echoMode(), QLineEdit::Password);
}

} // namespace
