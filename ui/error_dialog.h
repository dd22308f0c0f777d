#pragma once
// The error dialog "error": "No seleccionaste cargo ni horas". Non-modal;
// "Aceptar" is both the default and the cancel button.

#include <QDialog>

namespace sueldara::ui {

class ErrorDialog : public QDialog {
    Q_OBJECT

public:
    explicit ErrorDialog(QWidget* parent = nullptr);

protected:
    void reject() override;  // Esc presses "Aceptar"
};

}  // namespace sueldara::ui
