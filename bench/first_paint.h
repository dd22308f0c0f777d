#pragma once
// Start-up timing shared by the start-up benchmarks: the time from the
// QApplication's construction until a window's first paint has finished.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace sueldara::bench {

// Watches a window and its children. At the first paint it waits for the end
// of that painting pass (the next turn of the event loop), prints the time
// since `clock` started and ends the event loop.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, const QElapsedTimer& clock, const char* what)
        : clock_(clock), what_(what) {
        window->installEventFilter(this);
        for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [this] {
                std::printf("%s first window painted after %.3f ms\n", what_,
                            static_cast<double>(clock_.nsecsElapsed()) / 1e6);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    const QElapsedTimer& clock_;
    const char* what_;
    bool seen_ = false;
};

}  // namespace sueldara::bench
