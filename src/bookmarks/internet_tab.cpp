#include "bookmarks/internet_tab.h"

#include "tiles/editing_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

namespace linkvale {

namespace {

constexpr int Left = 36;
constexpr int Width = 400;

QComboBox* editableBox(EditingPanel& panel, const QString& name, int top, const QString& hint) {
    auto* box =
        panel.place<QComboBox>(name, QRect(Left, top, Width, EditingPanel::FieldHeight), hint);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QFrame* dividingLine(EditingPanel& panel, const QString& name, int top) {
    auto* line = panel.place<QFrame>(name, QRect(12, top, Width + 47, 3));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

} // namespace

InternetTab::InternetTab(QWidget* parent) : RecordTab(QStringLiteral("TileList1"), 3, 4, parent) {
    buildToolBar();
    Panel1 = new EditingPanel(QStringLiteral("Panel1"));
    setEditingSide(Panel1->inScrollArea(480, 450));
    buildPanel();
}

void InternetTab::buildToolBar() {
    TIAddBtn = addToolButton(QStringLiteral("TIAddBtn"), QStringLiteral("record-add"),
                             QStringLiteral("Add Folders, Groups or Search Engine URL"));
    TIEditBtn =
        addToolButton(QStringLiteral("TIEditBtn"), QStringLiteral("record-edit"),
                      QStringLiteral("Edit Folders, Groups or Search Engine URL Information"));
    TISaveBtn = addToolButton(QStringLiteral("TISaveBtn"), QStringLiteral("record-save"),
                              QStringLiteral("Save Added Folder, Group or Search Engine URL"));
    TIDelBtn = addToolButton(QStringLiteral("TIDelBtn"), QStringLiteral("record-delete"),
                             QStringLiteral("Delete Folder, Group or Search Engine URL"));
    TIUndoBtn = addToolButton(QStringLiteral("TIUndoBtn"), QStringLiteral("record-undo"),
                              QStringLiteral("Undo added Folder, Group or Search Engine URL"));
    TISrhIconBtn = addToolButton(QStringLiteral("TISrhIconBtn"), QStringLiteral("record-icon"),
                                 QStringLiteral("Add Icon for Search Engine URL"));
    toolBar()->addSeparator();
    TICMBMODE = new QComboBox(toolBar());
    TICMBMODE->setObjectName(QStringLiteral("TICMBMODE"));
    TICMBMODE->setToolTip(QStringLiteral("Add Folders, Groups, or Search Engine"));
    TICMBMODE->addItems({QStringLiteral("Add Folders"), QStringLiteral("Add Group"),
                         QStringLiteral("Add Search Engine Urls")});
    toolBar()->addWidget(TICMBMODE);
}

void InternetTab::buildPanel() {
    EditingPanel& p = *Panel1;
    const auto caption = [&p](const QString& name, const QString& text, int top) {
        return p.placeLabel(name, text, QRect(Left, top, Width, 18));
    };
    Label3 =
        caption(QStringLiteral("Label3"), QStringLiteral("Enter New Favorite Folder Name:"), 6);
    CMBEdit1 = editableBox(p, QStringLiteral("CMBEdit1"), 26, QString());
    Label4 =
        caption(QStringLiteral("Label4"), QStringLiteral("New Favorite Folder Parent Folder:"), 58);
    LISTPTFLDR = p.place<QListWidget>(QStringLiteral("LISTPTFLDR"), QRect(Left, 78, Width, 70));
    CHKBOOK = p.place<QCheckBox>(QStringLiteral("CHKBOOK"), QRect(Left, 152, 110, 22));
    CHKBOOK->setText(QStringLiteral("Bookmark"));
    CHKEMAIL = p.place<QCheckBox>(QStringLiteral("CHKEMAIL"), QRect(Left + 120, 152, 110, 22));
    CHKEMAIL->setText(QStringLiteral("EMail"));
    CHKPASS = p.place<QCheckBox>(QStringLiteral("CHKPASS"), QRect(Left + 240, 152, 110, 22));
    CHKPASS->setText(QStringLiteral("Passwords"));
    Line1 = dividingLine(p, QStringLiteral("Line1"), 180);

    Label5 = caption(QStringLiteral("Label5"), QStringLiteral("Enter Group Name:"), 186);
    CMBGROUP1 =
        editableBox(p, QStringLiteral("CMBGROUP1"), 206,
                    QStringLiteral("Add or Select Group for Urls independent of Favorites"));
    Label8 = caption(QStringLiteral("Label8"), QStringLiteral("Enter Group Description:"), 238);
    Edit2 = p.place<QLineEdit>(QStringLiteral("Edit2"),
                               QRect(Left, 258, Width, EditingPanel::FieldHeight),
                               QStringLiteral("Enter Group Description"));
    Line2 = dividingLine(p, QStringLiteral("Line2"), 290);

    Label43 = caption(QStringLiteral("Label43"), QStringLiteral("Enter Search Engine Name:"), 296);
    CMBSEARCHENG =
        editableBox(p, QStringLiteral("CMBSEARCHENG"), 316,
                    QStringLiteral("Drag and Drop Search Engine Url here to add to Linkvale"));
    Label44 =
        caption(QStringLiteral("Label44"), QStringLiteral("Enter Search Engine Description:"), 348);
    Edit3 = p.place<QLineEdit>(QStringLiteral("Edit3"),
                               QRect(Left, 368, Width, EditingPanel::FieldHeight),
                               QStringLiteral("Enter Search Engine Description"));
    Label45 = caption(QStringLiteral("Label45"),
                      QStringLiteral(" Search Engine Icon - Double Click"), 400);
    Edit30 = p.place<QLineEdit>(
        QStringLiteral("Edit30"), QRect(Left, 420, Width, EditingPanel::FieldHeight),
        QStringLiteral("Double Click to find Special Icon n for Search Engine"));

    Panel1->layout = [this] { LayoutInternetTab(); };
}

void InternetTab::LayoutInternetTab() {
    const int w = Panel1->width();
    for (QWidget* control : std::initializer_list<QWidget*>{
             CMBEdit1, LISTPTFLDR, CMBGROUP1, Edit2, CMBSEARCHENG, Edit3, Edit30, Label3, Label4,
             Label5, Label8, Label43, Label44, Label45})
        control->resize(w - 72, control->height());
    for (QFrame* line : {Line1, Line2})
        line->resize(w - 25, line->height());
}

void InternetTab::setSeparatorColor(const QColor& color) {
    for (QFrame* line : {Line1, Line2}) {
        QPalette palette = line->palette();
        palette.setColor(QPalette::WindowText, color);
        line->setPalette(palette);
    }
}

} // namespace linkvale
