#include "lists/lists_tab.h"
#include "tiles/editing_panel.h"

#include <QCheckBox>
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

TEST(ListsLayout, FieldsFollowThePanelSize) {
    struct Case {
        int panelWidth, panelHeight, fieldWidth, halfWidth, memoHeight;
    };
    const Case cases[] = {{700, 800, 465, 231, 450}, {702, 520, 467, 233, 170}};
    for (const Case& c : cases) {
        ListsTab tab;
        tab.Panel4->resize(c.panelWidth, c.panelHeight);
        tab.LayoutListsTab();
        const auto at = ::testing::Message() << c.panelWidth << "x" << c.panelHeight;
        for (QWidget* field : std::initializer_list<QWidget*>{tab.Edit29, tab.Edit18, tab.Memo3,
                                                              tab.ListBox1, tab.Label24})
            EXPECT_EQ(field->width(), c.fieldWidth) << at << field->objectName().toStdString();
        for (QWidget* half : std::initializer_list<QWidget*>{tab.CMBGROUP3, tab.CMBPRIORTY3,
                                                             tab.CMBTIME, tab.CMBDURT})
            EXPECT_EQ(half->width(), c.halfWidth) << at << half->objectName().toStdString();
        EXPECT_EQ(tab.CMBPRIORTY3->x(), tab.CMBGROUP3->x() + c.halfWidth + 2) << at;
        EXPECT_EQ(tab.CMBDURT->x(), tab.CMBTIME->x() + c.halfWidth + 2) << at;
        EXPECT_EQ(tab.Memo3->height(), c.memoHeight) << at;
        EXPECT_EQ(tab.CMBTIME->y(), bottom(tab.Memo3) + 2) << at;
        EXPECT_EQ(tab.CMBDURT->y(), tab.CMBTIME->y()) << at;
        EXPECT_EQ(tab.ListBox1->y(), bottom(tab.CMBTIME) + 2) << at;
        EXPECT_EQ(tab.CHKAUTORUN->y(), bottom(tab.ListBox1) + 2) << at;
        EXPECT_EQ(tab.Label24->y(), bottom(tab.CHKAUTORUN) + 6) << at;
        EXPECT_LE(bottom(tab.Label24), c.panelHeight) << at;
    }
}

} // namespace
