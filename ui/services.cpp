#include "services.h"

#include <QFontDatabase>
#include <QPalette>
#include <QWidget>

namespace sueldara::ui {

namespace {

QFont makeFont(const QString& family, double pointSize, bool bold) {
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

// Liberation Sans has Arial's metrics; it also stands in for MS Sans Serif,
// whose bitmap faces exist only on Windows.
QFont arialFont(double pointSize, bool bold) { return makeFont(QStringLiteral("Liberation Sans"), pointSize, bold); }
QFont sansSerifFont(double pointSize, bool bold) { return makeFont(QStringLiteral("Liberation Sans"), pointSize, bold); }

void setColours(QWidget* widget, const QColor& foreground, const QColor& background) {
    setForeground(widget, foreground);
    setBackground(widget, background);
}

void setBackground(QWidget* widget, const QColor& background) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Button, background);
    widget->setPalette(pal);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget* widget, const QColor& foreground) {
    QPalette pal = widget->palette();
    pal.setColor(QPalette::WindowText, foreground);
    pal.setColor(QPalette::Text, foreground);
    pal.setColor(QPalette::ButtonText, foreground);
    widget->setPalette(pal);
}

void placeTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(twipsRect(left, top, width, height));
}

void showWindow(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace sueldara::ui
