#include "email/email_tab.h"
#include "tiles/editing_panel.h"

#include <QComboBox>
#include <QDateEdit>
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

TEST(EMailLayout, FieldsFollowThePanelSize) {
    struct Case {
        int panelWidth, panelHeight, fieldWidth, halfWidth, memoHeight, dateOffset;
    };
    // A memo 341 high puts the date at 170 (170.5 rounds to the even neighbour).
    const Case cases[] = {{700, 800, 465, 231, 340, 170},
                          {700, 801, 465, 231, 341, 170},
                          {702, 803, 467, 233, 343, 172}};
    for (const Case& c : cases) {
        EmailTab tab;
        tab.Panel6->resize(c.panelWidth, c.panelHeight);
        tab.LayoutEMailTab();
        const auto at = ::testing::Message() << c.panelWidth << "x" << c.panelHeight;
        for (QWidget* field : std::initializer_list<QWidget*>{
                 tab.Edit19, tab.Edit20, tab.Edit21, tab.LISTEMFLDR, tab.Label36, tab.Memo4})
            EXPECT_EQ(field->width(), c.fieldWidth) << at << field->objectName().toStdString();
        for (QWidget* half : std::initializer_list<QWidget*>{tab.CMBGROUP4, tab.CMBPRIORTY4,
                                                             tab.Edit22, tab.Edit23})
            EXPECT_EQ(half->width(), c.halfWidth) << at << half->objectName().toStdString();
        EXPECT_EQ(tab.CMBPRIORTY4->x(), tab.CMBGROUP4->x() + c.halfWidth + 2) << at;
        EXPECT_EQ(tab.Edit23->x(), tab.Edit22->x() + c.halfWidth + 2) << at;
        EXPECT_EQ(tab.Memo4->height(), c.memoHeight) << at;
        EXPECT_EQ(tab.DateEdit1->y(), tab.Memo4->y() + c.dateOffset) << at;
        EXPECT_EQ(tab.Label37->y(), tab.DateEdit1->y() - 20) << at;
        EXPECT_EQ(tab.Edit22->y(), bottom(tab.Memo4) + 2) << at;
        EXPECT_EQ(tab.Edit23->y(), tab.Edit22->y()) << at;
        EXPECT_EQ(tab.LISTEMFLDR->y(), bottom(tab.Edit23) + 2) << at;
        EXPECT_EQ(tab.LISTEMFLDR->height(), c.panelHeight - c.memoHeight - 235) << at;
        EXPECT_EQ(tab.Label34->y(), tab.Edit23->y() + 2) << at;
        EXPECT_EQ(tab.Label35->y(), tab.LISTEMFLDR->y() + 2) << at;
        EXPECT_EQ(tab.Label36->y(), bottom(tab.LISTEMFLDR) + 2) << at;
        EXPECT_LE(bottom(tab.Label36), c.panelHeight) << at;
    }
}

} // namespace
