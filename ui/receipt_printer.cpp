#include "receipt_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace sueldara::ui {

QImage capturePage(QWidget* window) {
    const QSize size = window->size();
    QImage image(size * kPageImageScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kPageImageScale);
    image.fill(Qt::white);
    window->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

bool paintPage(QPrinter& printer, const QImage& page) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF target = QSizeF(page.size()).scaled(area.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // pageRect is measured from the paper's corner, the painter from the
    // printable area's.
    painter.drawImage(QRectF(QPointF(0, 0), target), page);
    return painter.end();
}

PrintOutcome printOnDefaultPrinter(const QImage& page) {
    PrintOutcome outcome;
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || info.printerName().isEmpty()) {
        outcome.status = PrintStatus::noDefaultPrinter;
        return outcome;
    }
    outcome.printerName = info.printerName();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Recibo de haberes"));
    printer.setCopyCount(1);
    outcome.status = paintPage(printer, page) ? PrintStatus::printed : PrintStatus::printerError;
    return outcome;
}

bool savePagePdf(const QImage& page, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(QStringLiteral("Recibo de haberes"));
    return paintPage(printer, page);
}

QString printFailureMessage(const PrintOutcome& outcome) {
    QString why;
    if (outcome.status == PrintStatus::noDefaultPrinter)
        why = QStringLiteral("No se pudo imprimir el recibo: no hay ninguna impresora predeterminada.");
    else
        why = QStringLiteral("No se pudo imprimir el recibo en la impresora «%1».").arg(outcome.printerName);
    return why + QStringLiteral("\n\n¿Querés guardarlo como archivo PDF?");
}

}  // namespace sueldara::ui
