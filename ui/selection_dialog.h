#pragma once
// The position selection dialog "advertencia": the post by code or by name,
// its five point values, "Listo" and "Salir sin datos". Non-modal.

#include <QDialog>

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "calculation.h"
#include "pay_input.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace sueldara::ui {

class ClickableLineEdit;

class SelectionDialog : public QDialog {
    Q_OBJECT

public:
    explicit SelectionDialog(QWidget* parent = nullptr);

    // The post as the calculation reads it.
    SelectedPosition selectedPosition() const;

    // The current rows of the code list and of the basic-points list.
    std::optional<std::size_t> codeRow() const { return codeRow_; }
    std::optional<std::size_t> pointsRow() const { return pointsRow_; }

    // The value box of a numeric field of this dialog, or nullptr.
    QLineEdit* box(InputField field) const;

    QString text(const char* control) const;  // a text box's or the name box's text

signals:
    // "Listo": the receipt window, the entry window and the hiding are the
    // application's part, done in the order of the operation.
    void listoClicked();
    // "Salir sin datos", after the dialog has emptied itself and hidden.
    void leftWithoutData();

protected:
    void reject() override;                     // Esc: the dialog has no cancel button
    void keyPressEvent(QKeyEvent* event) override;  // Enter: the focused button, else "Listo"
    void closeEvent(QCloseEvent* event) override;  // the frame hides it, keeping its state

private:
    void codeChanged(const QString& code);
    void nameChosen(int row);
    void salirSinDatos();
    QLineEdit* valueBox(const char* name) const;

    std::vector<std::pair<int, QWidget*>> tabs_;
    ClickableLineEdit* codcargo_ = nullptr;
    QComboBox* cargox_ = nullptr;
    QPushButton* listo_ = nullptr;
    std::optional<std::size_t> codeRow_;    // the code list's current row
    std::optional<std::size_t> pointsRow_;  // the basic-points list's current row
};

}  // namespace sueldara::ui
