// The yardstick of the start-up benchmark: a bare Qt window of the entry
// window's client size (11880 x 8490 twips, 792 x 566 pixels), shown; the
// program ends as soon as it has been painted. With --with-text the window
// also shows one line of text, so that it pays what any window with text pays
// once: loading the font database and the first font.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <cstring>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication qtApp(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.resize(792, 566);
    if (argc > 1 && std::strcmp(argv[1], "--with-text") == 0) {
        auto* label = new QLabel(QStringLiteral("Ingreso de datos"), &window);
        label->move(20, 20);
    }
    sueldara::bench::FirstPaint watch(&window, clock, "bare");
    window.show();
    return QApplication::exec();
}
