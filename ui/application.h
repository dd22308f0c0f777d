#pragma once
// The program's windows and the calculation's data. The entry window exists
// from the start; the selection dialog, the error dialog, the receipt window
// and the invalid-entry message are created on first use and afterwards only
// shown and hidden. No window has an owner and none is modal.

#include <QObject>

#include <memory>

#include "pay_state.h"
#include "receipt_sheet.h"

class QLineEdit;
class QMessageBox;

namespace sueldara::ui {

class EntryWindow;
class ErrorDialog;
class ReceiptWindow;
class SelectionDialog;

class Application : public QObject {
    Q_OBJECT

public:
    Application();
    ~Application() override;

    // Shows the entry window, as the program does at start.
    void start();

    EntryWindow* entryWindow() const { return entry_.get(); }
    SelectionDialog* selectionDialog();  // created on first use
    ErrorDialog* errorDialog();
    ReceiptWindow* receiptWindow();

    // nullptr until first used.
    SelectionDialog* existingSelectionDialog() const { return selection_.get(); }
    ErrorDialog* existingErrorDialog() const { return error_.get(); }
    ReceiptWindow* existingReceiptWindow() const { return receipt_.get(); }
    QMessageBox* existingInvalidEntryMessage() const { return invalidEntry_.get(); }

    const ReceiptSheet& sheet() const { return sheet_; }
    const PayState& payState() const { return state_; }

    // "Calcular".
    void calculate();
    // "Salir": every window closes and the event loop ends.
    void endProgram();
    bool hasEnded() const { return ended_; }

signals:
    void programEnded();

private:
    void positionConfirmed();  // "Listo"
    void returnedFromReceipt();  // "Volver"
    void showInvalidEntry(const QString& message, QLineEdit* box);

    // The sheet and the run state outlive every window.
    ReceiptSheet sheet_;
    PayState state_;
    bool ended_ = false;

    std::unique_ptr<EntryWindow> entry_;
    std::unique_ptr<SelectionDialog> selection_;
    std::unique_ptr<ErrorDialog> error_;
    std::unique_ptr<ReceiptWindow> receipt_;
    std::unique_ptr<QMessageBox> invalidEntry_;
};

}  // namespace sueldara::ui
