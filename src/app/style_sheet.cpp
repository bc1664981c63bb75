#include "app/style_sheet.h"

#include <QApplication>
#include <QFile>

namespace linkvale {

namespace {
QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll());
}
} // namespace

QString baseStyleSheet() {
    return readText(QStringLiteral(":/styles/linkvale.qss"));
}

bool applyStyleFile(const QString& path) {
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QString style = QString::fromUtf8(file.readAll());
    const QString combined = baseStyleSheet() + QLatin1Char('\n') + style;
    if (qApp->styleSheet() != combined)
        qApp->setStyleSheet(combined);
    return true;
}

} // namespace linkvale
