#include "app/users_dialog.h"

#include "app/dialog_parts.h"
#include "app/style_sheet.h"
#include "app/user_rules.h"
#include "store/table_error.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace linkvale {

TUsers1::TUsers1(Globals& globals, const MainWindowState& state, Tables& tables, Prompter& prompter,
                 QWidget* parent)
    : QDialog(parent), globals_(globals), state_(state), tables_(tables), prompter_(prompter) {
    setObjectName(QStringLiteral("TUsers1"));
    setWindowTitle(QStringLiteral("Linkvale Users"));
    setAttribute(Qt::WA_DeleteOnClose);
    globals_.USERS_FLG = true;

    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setRootIsDecorated(false);
    TreeView1->setAlternatingRowColors(true);
    TreeView1->setWordWrap(true);
    TreeView1->setIconSize(QSize(16, 32));
    TreeView1->setUniformRowHeights(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TreeView1);
    auto* actions = new QHBoxLayout;
    ChgBtn = new QPushButton(QStringLiteral("Change"), this);
    ChgBtn->setObjectName(QStringLiteral("ChgBtn"));
    ChgBtn->setAutoDefault(false);
    DelBtn = new QPushButton(QStringLiteral("Delete"), this);
    DelBtn->setObjectName(QStringLiteral("DelBtn"));
    DelBtn->setAutoDefault(false);
    actions->addWidget(ChgBtn);
    actions->addWidget(DelBtn);
    actions->addStretch(1);
    layout->addLayout(actions);
    DialogButtons buttons = addDialogButtons(layout, this);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
    HelpBtn = buttons.help;
    resize(460, 360);

    connect(OKBtn, &QPushButton::clicked, this, &TUsers1::OKBtnClick);
    connect(ChgBtn, &QPushButton::clicked, this, &TUsers1::ChgBtnClick);
    connect(DelBtn, &QPushButton::clicked, this, &TUsers1::DelBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TUsers1::CancelBtnClick);
    connect(HelpBtn, &QPushButton::clicked, this, &TUsers1::HelpBtnClick);
    connect(TreeView1, &QTreeWidget::itemDoubleClicked, this, &TUsers1::TreeView1DblClick);
}

TUsers1::~TUsers1() {
    globals_.USERS_FLG = false;
}

void TUsers1::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TUsers1::FormShow() {
    applyStyleFile(state_.STYLE_PATH + state_.STYLE_NAME);
    LoadUserTree();
}

void TUsers1::LoadUserTree() {
    TreeView1->clear();
    Table& users = tables_.ClientDataSet1;
    if (!users.isOpen())
        return;
    const QString picturePath = globals_.ROOTPATH + QStringLiteral("/Bmps/User.gif");
    // The picture holds the normal and the highlighted figure side by side.
    const QPixmap strip(picturePath);
    QIcon picture;
    if (!strip.isNull()) {
        const int side = strip.height();
        picture.addPixmap(strip.copy(0, 0, side, side), QIcon::Normal);
        if (strip.width() >= 2 * side)
            picture.addPixmap(strip.copy(side, 0, side, side), QIcon::Selected);
    }
    users.setSortKey(QStringLiteral("UserName"));
    for (users.first(); !users.atEnd(); users.next()) {
        auto* entry = new QTreeWidgetItem(TreeView1);
        entry->setText(0, userEntryText(users.text(QStringLiteral("UserName")),
                                        users.field(QStringLiteral("UsePassword")).toBool(),
                                        users.field(QStringLiteral("LastUpdated")).toDateTime()));
        entry->setIcon(0, picture);
        entry->setSizeHint(0, QSize(0, 32));
        entry->setData(0, Qt::UserRole, users.field(QStringLiteral("ID")));
    }
}

QString TUsers1::chosenName() const {
    const QTreeWidgetItem* entry = TreeView1->currentItem();
    if (entry == nullptr || !entry->isSelected())
        return {};
    return chosenUserName(entry->text(0));
}

void TUsers1::OKBtnClick() {
    const QString name = chosenName();
    if (name.isEmpty())
        return;
    if (name != globals_.USER_ID) {
        globals_.USER_ID = name;
        if (changeUsers && !changeUsers())
            return;
    }
    close();
}

void TUsers1::TreeView1DblClick() {
    OKBtnClick();
}

bool TUsers1::signOnChosenUser() {
    const QString name = chosenName();
    if (name.isEmpty())
        return false;
    globals_.USER_ID = name;
    return !changeUsers || changeUsers();
}

void TUsers1::ChgBtnClick() {
    if (!signOnChosenUser())
        return;
    if (showUpdateUser)
        showUpdateUser();
}

bool TUsers1::UserHasBookmarks() const {
    const Table& urls = tables_.ClientDataSet2;
    return urls.isOpen() && urls.recordCount() > 0;
}

void TUsers1::DelBtnClick() {
    const QString name = chosenName();
    if (!signOnChosenUser())
        return;
    if (UserHasBookmarks()) {
        prompter_.warning(QStringLiteral("You Still have Records in the Bookmark Database for this "
                                         "User. Delete Bookmarks for this User first."));
        return;
    }
    if (!prompter_.question(QStringLiteral("Do You want to Delete User: ") + name +
                            QStringLiteral("?")))
        return;
    // Only an empty folder goes; a folder that still holds files stays.
    QDir().rmdir(globals_.CURRENT_PATH);
    try {
        Table& users = tables_.ClientDataSet1;
        if (users.locate(QStringLiteral("UserName"), name)) {
            users.deleteRecord();
            users.save();
        }
    } catch (const TableError& e) {
        prompter_.error(e.message());
    }
}

void TUsers1::CancelBtnClick() {
    close();
}

void TUsers1::HelpBtnClick() {
    if (showHelp)
        showHelp(QStringLiteral("view_and_select_organizer_users.htm"));
}

} // namespace linkvale
