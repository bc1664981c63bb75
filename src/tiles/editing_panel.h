#pragma once

#include <QFrame>
#include <QRect>
#include <QString>

#include <functional>

class QLabel;
class QScrollArea;

namespace linkvale {

// The editing side of a tab. Its controls sit at fixed places and its layout
// routine recomputes their sizes whenever the panel is resized.
class EditingPanel : public QFrame {
    Q_OBJECT
public:
    explicit EditingPanel(const QString& name, QWidget* parent = nullptr);

    std::function<void()> layout;

    template <class Control>
    Control* place(const QString& name, const QRect& geometry, const QString& hint = {}) {
        auto* control = new Control(this);
        control->setObjectName(name);
        control->setGeometry(geometry);
        if (!hint.isEmpty())
            control->setToolTip(hint);
        return control;
    }
    QLabel* placeLabel(const QString& name, const QString& text, const QRect& geometry);

    // The record panels put their captions in a column to the left of the fields.
    static constexpr int FieldLeft = 220;
    static constexpr int FieldHeight = 26;
    QLabel* placeFieldLabel(const QString& name, const QString& text, int fieldTop);

    // Below its minimum height the panel keeps that height and scrolls, so its
    // memo keeps room for a few lines however small the window is.
    QScrollArea* inScrollArea(int minimumWidth, int minimumHeight);

protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace linkvale
