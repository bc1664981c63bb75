#include "tiles/record_tab.h"

#include "tiles/tile_list.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace linkvale {

RecordTab::RecordTab(const QString& tileListName, int rows, int columns, QWidget* parent)
    : QWidget(parent) {
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("Splitter"));
    splitter_->setChildrenCollapsible(false);
    outer->addWidget(splitter_);

    tiles_ = new TileList(tileListName, rows, columns, splitter_);
    right_ = new QWidget(splitter_);
    auto* column = new QVBoxLayout(right_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    toolBar_ = new QToolBar(right_);
    toolBar_->setIconSize(QSize(22, 22));
    toolBar_->setMovable(false);
    column->addWidget(toolBar_);

    splitter_->addWidget(tiles_);
    splitter_->addWidget(right_);
    splitter_->setStretchFactor(0, 2);
    splitter_->setStretchFactor(1, 3);
    splitter_->setSizes({420, 658});
}

QToolButton* RecordTab::addToolButton(const QString& name, const QString& icon,
                                      const QString& hint) {
    auto* button = new QToolButton(toolBar_);
    button->setObjectName(name);
    button->setIcon(QIcon(QStringLiteral(":/icons/") + icon + QStringLiteral(".svg")));
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    button->setAutoRaise(true);
    toolBar_->addWidget(button);
    return button;
}

void RecordTab::setEditingSide(QWidget* side) {
    right_->layout()->addWidget(side);
}

} // namespace linkvale
