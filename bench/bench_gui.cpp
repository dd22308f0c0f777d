// Timings of the program's windows, in process.
//
//   bench_gui --startup       starts the program as app/main.cpp does and ends
//                             as soon as the entry window has been painted,
//                             printing the time from the QApplication's
//                             construction to that paint.
//   bench_gui [repetitions]   the typical post request through the widgets,
//                             then "Calcular" again and again: the time from
//                             the click to the end of the receipt window's
//                             paint, with the window hidden before the click
//                             (it is shown) and with it open (refilled in
//                             place). Prints the median, the fastest and the
//                             90th percentile of each.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "application.h"
#include "entry_window.h"
#include "first_paint.h"
#include "receipt_window.h"
#include "selection_dialog.h"

namespace {

using sueldara::ui::Application;

int startup(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sueldara"));
    Application app;
    sueldara::bench::FirstPaint watch(app.entryWindow(), clock, "sueldara");
    app.start();
    return QApplication::exec();
}

// Sees the receipt window's paint events.
class PaintSeen : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) seen = true;
        return false;
    }
};

void click(QWidget* window, const char* name) {
    auto* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget) {
        std::fprintf(stderr, "no control %s\n", name);
        std::exit(2);
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

struct Summary {
    double median, fastest, p90;
};

Summary summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    const double median = n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
    return {median, ms.front(), ms[std::min(n - 1, n * 9 / 10)]};
}

int calcular(int argc, char* argv[], int repetitions) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sueldara"));
    Application app;
    app.start();
    QWidget* entry = app.entryWindow();
    if (!QTest::qWaitForWindowExposed(entry)) return 2;

    click(entry, "cargo");
    QWidget* dialog = app.existingSelectionDialog();
    click(dialog, "codcargo");
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("codcargo")), QStringLiteral("813"));
    click(dialog, "Command1");
    for (const char* name : {"Option4", "Iosper", "APORTEJUB", "Command1"}) click(entry, name);
    QWidget* receipt = app.existingReceiptWindow();
    if (!receipt || !QTest::qWaitForWindowExposed(receipt)) {
        std::fprintf(stderr, "the receipt window was not shown\n");
        return 2;
    }
    PaintSeen paint;
    receipt->installEventFilter(&paint);
    auto* calcularButton = entry->findChild<QPushButton*>(QStringLiteral("Command1"));

    // One "Calcular": from the click to the end of the painting pass in which
    // the receipt window is painted.
    auto once = [&](bool hiddenBefore) {
        if (hiddenBefore) receipt->hide();
        QCoreApplication::processEvents();
        paint.seen = false;
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(calcularButton, Qt::LeftButton, Qt::NoModifier, calcularButton->rect().center());
        while (!paint.seen && clock.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents);
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        if (!paint.seen) {
            std::fprintf(stderr, "the receipt window was not painted\n");
            std::exit(2);
        }
        return ms;
    };

    for (const bool hidden : {true, false}) {
        for (int i = 0; i < 10; ++i) once(hidden);  // warm-up
        std::vector<double> times;
        for (int i = 0; i < repetitions; ++i) times.push_back(once(hidden));
        const Summary s = summarise(times);
        std::printf("Calcular to receipt window painted (%s): median %.3f ms, fastest %.3f ms, p90 %.3f ms, %d runs\n",
                    hidden ? "window shown by the click" : "window open, refilled", s.median, s.fastest, s.p90,
                    repetitions);
    }
    app.endProgram();
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The offscreen platform notes each raise(); no fault of the program.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtWarningMsg && (message.startsWith(QLatin1String("This plugin does not support")) ||
                                     message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR"))))
            return;
        std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    if (argc > 1 && std::strcmp(argv[1], "--startup") == 0) return startup(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    return calcular(argc, argv, repetitions);
}
