#include "app/program_windows.h"
#include "app/style_sheet.h"
#include "platform/message_box_prompter.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Linkvale"));
    QApplication::setApplicationVersion(QStringLiteral("10.1"));
    QApplication::setDesktopFileName(QStringLiteral("linkvale"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setStyleSheet(linkvale::baseStyleSheet());

    linkvale::Globals globals;
    linkvale::MessageBoxPrompter prompter;
    linkvale::ProgramWindows windows(globals, prompter);
    linkvale::TLinkvale1& mainWindow = windows.mainWindow();
    mainWindow.show();
    const int status = QApplication::exec();
    mainWindow.closeAllTables();
    return status;
}
