#include "tiles/editing_panel.h"

#include <QLabel>
#include <QScrollArea>

namespace linkvale {

EditingPanel::EditingPanel(const QString& name, QWidget* parent) : QFrame(parent) {
    setObjectName(name);
    setFrameShape(QFrame::NoFrame);
}

QLabel* EditingPanel::placeLabel(const QString& name, const QString& text, const QRect& geometry) {
    auto* label = place<QLabel>(name, geometry);
    label->setText(text);
    return label;
}

QLabel* EditingPanel::placeFieldLabel(const QString& name, const QString& text, int fieldTop) {
    auto* label = placeLabel(name, text, QRect(10, fieldTop + 2, FieldLeft - 20, FieldHeight - 4));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QScrollArea* EditingPanel::inScrollArea(int minimumWidth, int minimumHeight) {
    setMinimumSize(minimumWidth, minimumHeight);
    auto* area = new QScrollArea;
    area->setObjectName(objectName() + QStringLiteral("Scroller"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(this);
    return area;
}

void EditingPanel::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (layout)
        layout();
}

} // namespace linkvale
