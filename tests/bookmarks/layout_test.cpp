#include "analysis/page_analysis_panel.h"
#include "bookmarks/bookmarks_tab.h"
#include "bookmarks/internet_tab.h"
#include "tiles/editing_panel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace linkvale;

namespace {

int bottom(const QWidget* w) {
    return w->y() + w->height();
}

TEST(BookMarksLayout, PageInformationFollowsThePanelSize) {
    struct Case {
        int panelWidth, panelHeight, fieldWidth, halfWidth, memoHeight;
    };
    // 465 / 2 = 232.5 and 665 / 2 = 332.5 round to the even neighbour; 467 / 2 rounds up.
    const Case cases[] = {
        {700, 800, 465, 231, 350}, {702, 600, 467, 233, 150}, {900, 1000, 665, 331, 550}};
    for (const Case& c : cases) {
        BookmarksTab tab;
        tab.Panel2->resize(c.panelWidth, c.panelHeight);
        tab.LayoutBookMarksTab();
        const auto at = ::testing::Message() << c.panelWidth << "x" << c.panelHeight;
        for (QWidget* field : std::initializer_list<QWidget*>{
                 tab.Edit4, tab.Edit5, tab.Edit6, tab.LISTUFLDR, tab.Label47, tab.Memo1})
            EXPECT_EQ(field->width(), c.fieldWidth) << at << field->objectName().toStdString();
        for (QWidget* half :
             std::initializer_list<QWidget*>{tab.CMBGROUP, tab.CMBPRIORTY, tab.Edit7, tab.Edit8})
            EXPECT_EQ(half->width(), c.halfWidth) << at << half->objectName().toStdString();
        EXPECT_EQ(tab.Memo1->height(), c.memoHeight) << at;
        EXPECT_EQ(tab.LISTUFLDR->height(), 215) << at;
        EXPECT_EQ(tab.CMBPRIORTY->x(), tab.CMBGROUP->x() + c.halfWidth + 2) << at;
        EXPECT_EQ(tab.Edit8->x(), tab.Edit7->x() + c.halfWidth + 2) << at;
        EXPECT_EQ(tab.Edit7->y(), bottom(tab.Memo1) + 2) << at;
        EXPECT_EQ(tab.Edit8->y(), tab.Edit7->y()) << at;
        EXPECT_EQ(tab.LISTUFLDR->y(), bottom(tab.Edit8) + 2) << at;
        EXPECT_EQ(tab.Label12->y(), tab.Edit7->y() + 2) << at;
        EXPECT_EQ(tab.Label13->y(), tab.LISTUFLDR->y() + 2) << at;
        EXPECT_EQ(tab.Label47->y(), bottom(tab.LISTUFLDR) + 2) << at;
        // Everything fits in the panel.
        EXPECT_LE(bottom(tab.Label47), c.panelHeight) << at;
    }
}

TEST(BookMarksLayout, PageAnalysisGetsTheFocusOfItsSearchBox) {
    BookmarksTab tab;
    tab.show();
    tab.TabControl2->setCurrentIndex(1);
    EXPECT_EQ(tab.TabControl2->tabText(0), QStringLiteral("Page Information"));
    EXPECT_EQ(tab.TabControl2->tabText(1), QStringLiteral("Page Analysis"));
    EXPECT_EQ(tab.focusWidget(), tab.Panel5->Edit17);
}

TEST(PageAnalysisLayout, SourceAndFindingsFollowThePanelAndTheWindow) {
    QWidget window;
    window.resize(1000, 700);
    PageAnalysisPanel panel;
    panel.setParent(&window);
    panel.resize(640, 500);
    panel.LayoutPageAnalysis();
    EXPECT_EQ(panel.TMSFNCMemo1->width(), 552);
    EXPECT_EQ(panel.ListBox2->width(), 552);
    EXPECT_EQ(panel.ListBox2->height(), 700 - (bottom(panel.TMSFNCMemo1) + 220));
    EXPECT_FALSE(panel.BkClrHTMBtn->isEnabled());
    EXPECT_TRUE(panel.TMSFNCMemo1->isReadOnly());
}

TEST(InternetLayout, FieldsAndLinesFollowThePanelWidth) {
    InternetTab tab;
    tab.Panel1->resize(600, 500);
    tab.LayoutInternetTab();
    for (QWidget* control : std::initializer_list<QWidget*>{
             tab.CMBEdit1, tab.LISTPTFLDR, tab.CMBGROUP1, tab.Edit2, tab.CMBSEARCHENG, tab.Edit3,
             tab.Edit30, tab.Label3, tab.Label4, tab.Label5, tab.Label8, tab.Label43, tab.Label44,
             tab.Label45})
        EXPECT_EQ(control->width(), 528) << control->objectName().toStdString();
    EXPECT_EQ(tab.Line1->width(), 575);
    EXPECT_EQ(tab.Line2->width(), 575);
    EXPECT_EQ(tab.TICMBMODE->count(), 3);
    EXPECT_EQ(tab.TICMBMODE->itemText(2), QStringLiteral("Add Search Engine Urls"));
}

TEST(InternetLayout, APanelResizeRunsItsLayoutRoutine) {
    InternetTab tab;
    tab.resize(1000, 600);
    tab.show();
    QCoreApplication::processEvents();
    const int before = tab.Panel1->width();
    tab.resize(1300, 600);
    QCoreApplication::processEvents();
    ASSERT_GT(tab.Panel1->width(), before);
    EXPECT_EQ(tab.CMBEdit1->width(), tab.Panel1->width() - 72);
    EXPECT_EQ(tab.Line2->width(), tab.Panel1->width() - 25);
}

} // namespace
