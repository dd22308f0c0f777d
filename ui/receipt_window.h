#pragma once
// The receipt window "Haberes": draws the engine's ReceiptSheet in its framed
// layout, scrolls it, prints it. It computes nothing.

#include <QImage>
#include <QWidget>

#include <functional>

#include "receipt_sheet.h"

class QScrollBar;

namespace sueldara::ui {

class ReceiptWindow : public QWidget {
    Q_OBJECT

public:
    // Created hidden, in its start state; the sheet outlives the window.
    explicit ReceiptWindow(const ReceiptSheet& sheet, QWidget* parent = nullptr);
    ~ReceiptWindow() override;

    // Redraws every cell, header field, total and layout value from the sheet.
    void refreshFromSheet();

    // What a successful "Calcular" does: refresh, enable, show, bring to front.
    void presentReceipt();

    QScrollBar* movedor() const;

    // The receipt frame and its place in the window, in twips as the scroll
    // bar set them (the widget's pixel geometry is these, rounded).
    QWidget* sosten() const;
    int frameTopTwips() const;
    int frameHeightTwips() const;

    // When a page cannot be printed the user is told why and may keep it as a
    // PDF file instead. askPdfPath shows the message and returns the chosen
    // file, or an empty string when the user declines; tell shows a plain
    // message. Both default to dialogs of this window.
    struct PrintFeedback {
        std::function<QString(const QString& message)> askPdfPath;
        std::function<void(const QString& message)> tell;
    };
    void setPrintFeedback(PrintFeedback feedback);

    // The page image of the last "Imprimir", as it was sent to the printer.
    const QImage& lastPage() const;

signals:
    // "Volver" (or closing the window through its frame): emitted after the
    // window has disabled and hidden itself.
    void volverRequested();
    // "Salir": the program ends.
    void salirRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void scrollTo(int value);
    void volver();
    void imprimir();

    struct Parts;
    Parts* parts_;
    const ReceiptSheet& sheet_;
};

}  // namespace sueldara::ui
