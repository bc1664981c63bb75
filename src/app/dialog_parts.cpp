#include "app/dialog_parts.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace linkvale {

DialogButtons addDialogButtons(QBoxLayout* layout, QWidget* dialog) {
    DialogButtons b{new QPushButton(QStringLiteral("OK"), dialog),
                    new QPushButton(QStringLiteral("Cancel"), dialog),
                    new QPushButton(QStringLiteral("Help"), dialog)};
    b.ok->setObjectName(QStringLiteral("OKBtn"));
    b.ok->setDefault(true);
    b.cancel->setObjectName(QStringLiteral("CancelBtn"));
    b.cancel->setAutoDefault(false);
    b.help->setObjectName(QStringLiteral("HelpBtn"));
    b.help->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addWidget(b.help);
    row->addStretch(1);
    row->addWidget(b.ok);
    row->addWidget(b.cancel);
    layout->addSpacing(6);
    layout->addLayout(row);
    return b;
}

QLabel* dialogHeading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("DialogHeading"));
    label->setWordWrap(true);
    return label;
}

} // namespace linkvale
