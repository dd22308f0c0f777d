#pragma once
// Window services shared by every window: twips to pixels, the Arial and
// MS Sans Serif stand-ins, colours, and showing a window without blocking.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace sueldara::ui {

// 15 twips a pixel at 96 dpi; Qt scales logical pixels on high-dpi screens.
constexpr int twips(int t) { return (t + (t >= 0 ? 7 : -7)) / 15; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// The installed, metric-compatible stand-ins for the fonts of the layout.
QFont arialFont(double pointSize, bool bold = false);
QFont sansSerifFont(double pointSize, bool bold = false);  // for "MS Sans Serif"

// "#RRGGBB".
inline QColor rgb(const char* hex) { return QColor(QString::fromLatin1(hex)); }

// Background (filled) and text colour of a widget, through its palette.
void setColours(QWidget* widget, const QColor& foreground, const QColor& background);
void setBackground(QWidget* widget, const QColor& background);
void setForeground(QWidget* widget, const QColor& foreground);

// Places a widget at a twips rectangle of its parent.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// Shows a top-level window without blocking and without an owner; a window
// already shown comes to the front.
void showWindow(QWidget* window);

}  // namespace sueldara::ui
