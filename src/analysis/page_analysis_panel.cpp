#include "analysis/page_analysis_panel.h"

#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace linkvale {

namespace {

QToolButton* sideButton(PageAnalysisPanel* panel, const QString& name, const QString& icon, int top,
                        const QString& hint) {
    auto* button = panel->place<QToolButton>(name, QRect(8, top, 32, 32), hint);
    button->setIcon(QIcon(QStringLiteral(":/icons/") + icon + QStringLiteral(".svg")));
    button->setIconSize(QSize(22, 22));
    button->setAutoRaise(true);
    return button;
}

QFont sourceFont() {
    QFont font(QStringLiteral("Consolas"));
    font.setStyleHint(QFont::Monospace);
    if (!font.exactMatch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}

} // namespace

PageAnalysisPanel::PageAnalysisPanel(QWidget* parent)
    : EditingPanel(QStringLiteral("Panel5"), parent) {
    Label39 = placeLabel(QStringLiteral("Label39"),
                         QStringLiteral("Enter Text to Find on HTML Page:"), QRect(48, 8, 300, 20));
    Edit17 = place<QLineEdit>(QStringLiteral("Edit17"), QRect(48, 30, 300, FieldHeight));
    AnGoBtn = place<QPushButton>(QStringLiteral("AnGoBtn"), QRect(356, 29, 90, 28),
                                 QStringLiteral("Click to view Find Dialog"));
    AnGoBtn->setText(QStringLiteral("Find"));
    AnGoBtn->setIcon(QIcon(QStringLiteral(":/icons/find.svg")));

    TMSFNCMemo1 = place<QPlainTextEdit>(QStringLiteral("TMSFNCMemo1"), QRect(48, 64, 560, 260));
    TMSFNCMemo1->setReadOnly(true);
    TMSFNCMemo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    TMSFNCMemo1->setFont(sourceFont());
    ListBox2 = place<QListWidget>(QStringLiteral("ListBox2"), QRect(48, 330, 560, 100),
                                  QStringLiteral("Search Selection"));

    TUPictBtn = sideButton(this, QStringLiteral("TUPictBtn"), QStringLiteral("page-links"), 64,
                           QStringLiteral("Click to View Links for this web Page."));
    BkClrHTMBtn =
        sideButton(this, QStringLiteral("BkClrHTMBtn"), QStringLiteral("page-colours"), 100,
                   QStringLiteral("Click to Set Colors for this web Page Source Code."));
    BkClrHTMBtn->setEnabled(false);

    layout = [this] { LayoutPageAnalysis(); };
}

void PageAnalysisPanel::LayoutPageAnalysis() {
    TMSFNCMemo1->resize(width() - 88, TMSFNCMemo1->height());
    ListBox2->resize(TMSFNCMemo1->width(), ListBox2->height());
    ListBox2->resize(ListBox2->width(),
                     window()->height() - (TMSFNCMemo1->y() + TMSFNCMemo1->height() + 220));
}

} // namespace linkvale
