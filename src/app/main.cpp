#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Linkvale"));
    QApplication::setApplicationVersion(QStringLiteral("10.1"));

    // Until the main window arrives, a plain window shows the program starts.
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Linkvale 10.1 for Linux"));
    auto* label = new QLabel(&window);
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<div style='font-size:28pt; font-weight:600'>Linkvale</div>"
                                  "<div style='font-size:12pt; color:#555'>Bookmarks, log-ins, "
                                  "web-site lists and saved e-mail, in one place</div>"));
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(1078, 645);
    window.move(100, 100);
    window.show();
    return QApplication::exec();
}
