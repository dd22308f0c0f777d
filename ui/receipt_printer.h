#pragma once
// Printing a window's client area as one page: the page image, the default
// printer with no dialog, and the same page as a PDF file.

#include <QImage>
#include <QString>

class QPrinter;
class QWidget;

namespace sueldara::ui {

// How many device pixels the page image has per screen pixel.
constexpr int kPageImageScale = 3;

// The client area of the window exactly as it now looks, at three times the
// screen resolution.
QImage capturePage(QWidget* window);

enum class PrintStatus { printed, noDefaultPrinter, printerError };

struct PrintOutcome {
    PrintStatus status = PrintStatus::printed;
    QString printerName;  // the default printer, when there is one
};

// Paints the image on an open printer's page, scaled to the printable area
// keeping its proportions, at the top left. False when the painter cannot
// begin or the job cannot be finished.
bool paintPage(QPrinter& printer, const QImage& page);

// One page on the default printer, no dialog. Returns once the job is queued.
PrintOutcome printOnDefaultPrinter(const QImage& page);

// The same page as a PDF file; false when the file cannot be written.
bool savePagePdf(const QImage& page, const QString& path);

// What the user reads when a page was not printed; it ends by offering the
// PDF file.
QString printFailureMessage(const PrintOutcome& outcome);

}  // namespace sueldara::ui
