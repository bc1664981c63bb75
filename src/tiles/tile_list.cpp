#include "tiles/tile_list.h"

#include <QResizeEvent>

#include <algorithm>

namespace linkvale {

TileList::TileList(const QString& name, int rows, int columns, QWidget* parent)
    : QListWidget(parent), rows_(rows), columns_(columns) {
    setObjectName(name);
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setWordWrap(true);
    setIconSize(QSize(32, 32));
    setSpacing(4);
    setMinimumWidth(240);
}

void TileList::setGrid(int rows, int columns) {
    rows_ = std::max(1, rows);
    columns_ = std::max(1, columns);
    fitTilesToViewport();
}

void TileList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    fitTilesToViewport();
}

void TileList::fitTilesToViewport() {
    const QSize area = viewport()->size();
    const int gap = 2 * spacing();
    setGridSize(QSize(std::max(48, area.width() / columns_ - gap),
                      std::max(48, area.height() / rows_ - gap)));
}

} // namespace linkvale
