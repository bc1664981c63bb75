#pragma once

#include <QWidget>

class QSplitter;
class QToolBar;
class QToolButton;

namespace linkvale {

class TileList;

// What every main tab shares: its tile list on the left and, divided from it
// by a splitter, a toolbar over the tab's editing side.
class RecordTab : public QWidget {
    Q_OBJECT
public:
    RecordTab(const QString& tileListName, int rows, int columns, QWidget* parent = nullptr);

    TileList* tileList() const { return tiles_; }
    QToolBar* toolBar() const { return toolBar_; }
    QSplitter* splitter() const { return splitter_; }

protected:
    // A picture-only toolbar button with its hint.
    QToolButton* addToolButton(const QString& name, const QString& icon, const QString& hint);
    void setEditingSide(QWidget* side);

private:
    TileList* tiles_;
    QToolBar* toolBar_;
    QSplitter* splitter_;
    QWidget* right_;
};

} // namespace linkvale
