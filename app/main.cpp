// The program: the data-entry window and the event loop.

#include <QApplication>

#include "application.h"

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sueldara"));
    sueldara::ui::Application app;
    app.start();
    return QApplication::exec();
}
