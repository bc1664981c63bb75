#pragma once

#include <QListWidget>

namespace linkvale {

// A page of tiles, rows × columns at a time. Each tab shows its records as
// tiles; the grid size changes with the tab's view mode.
class TileList : public QListWidget {
    Q_OBJECT
public:
    TileList(const QString& name, int rows, int columns, QWidget* parent = nullptr);

    void setGrid(int rows, int columns);
    int rows() const { return rows_; }
    int columns() const { return columns_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitTilesToViewport();

    int rows_;
    int columns_;
};

} // namespace linkvale
