#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Linkvale 10.1 for Linux"));
    auto* label = new QLabel(QStringLiteral("Linkvale"), &window);
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(1078, 645);
    window.move(100, 100);
    window.show();
    return QApplication::exec();
}
