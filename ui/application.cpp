#include "application.h"

#include <QApplication>
#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTime>

#include "calculation.h"
#include "controls.h"
#include "entry_window.h"
#include "error_dialog.h"
#include "number_input.h"
#include "receipt_window.h"
#include "selection_dialog.h"
#include "services.h"

namespace sueldara::ui {

namespace {

char localeDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? '.' : point.at(0).toLatin1();
}

std::string localeDateTime() {
    const QLocale locale = QLocale::system();
    return (locale.toString(QDate::currentDate(), QLocale::ShortFormat) + QLatin1Char(' ') +
            locale.toString(QTime::currentTime(), QLocale::LongFormat))
        .toStdString();
}

}  // namespace

Application::Application() {
    // The windows' colours are palette colours; Fusion draws them on every desktop.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(fusion);

    entry_ = std::make_unique<EntryWindow>();
    connect(entry_.get(), &EntryWindow::cargoChosen, this, [this] { showWindow(selectionDialog()); });
    connect(entry_.get(), &EntryWindow::hoursModeChosen, this, [this] { selectionDialog()->hide(); });
    connect(entry_.get(), &EntryWindow::calcularClicked, this, &Application::calculate);
    connect(entry_.get(), &EntryWindow::salirClicked, this, &Application::endProgram);
}

Application::~Application() = default;

void Application::start() { showWindow(entry_.get()); }

SelectionDialog* Application::selectionDialog() {
    if (!selection_) {
        selection_ = std::make_unique<SelectionDialog>();
        connect(selection_.get(), &SelectionDialog::listoClicked, this, &Application::positionConfirmed);
        connect(selection_.get(), &SelectionDialog::leftWithoutData, entry_.get(), &EntryWindow::deselectCargo);
    }
    return selection_.get();
}

ErrorDialog* Application::errorDialog() {
    if (!error_) error_ = std::make_unique<ErrorDialog>();
    return error_.get();
}

ReceiptWindow* Application::receiptWindow() {
    if (!receipt_) {
        receipt_ = std::make_unique<ReceiptWindow>(sheet_);
        connect(receipt_.get(), &ReceiptWindow::volverRequested, this, &Application::returnedFromReceipt);
        connect(receipt_.get(), &ReceiptWindow::salirRequested, this, &Application::endProgram);
    }
    return receipt_.get();
}

void Application::calculate() {
    const PayInput input = entry_->payInput();
    const SelectedPosition position = selection_ ? selection_->selectedPosition() : SelectedPosition{};
    const RunResult result =
        runCalculation(input, position, localeDecimalSeparator(), localeDateTime(), sheet_, state_);
    switch (result.status) {
    case RunStatus::noCategory:
        showWindow(errorDialog());
        break;
    case RunStatus::invalidEntry: {
        QLineEdit* box = entry_->box(result.field);
        if (!box && selection_) box = selection_->box(result.field);
        showInvalidEntry(qs(invalidEntryMessage(result.field, result.error)), box);
        break;
    }
    case RunStatus::done:
        receiptWindow()->presentReceipt();
        break;
    }
}

void Application::showInvalidEntry(const QString& message, QLineEdit* box) {
    if (!invalidEntry_) {
        invalidEntry_ = std::make_unique<QMessageBox>();
        invalidEntry_->setObjectName(QStringLiteral("datoInvalido"));
        invalidEntry_->setWindowTitle(QString::fromUtf8("Dato no válido"));
        invalidEntry_->setIcon(QMessageBox::Warning);
        QPushButton* aceptar = invalidEntry_->addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
        aceptar->setObjectName(QStringLiteral("Aceptar"));
        invalidEntry_->setDefaultButton(aceptar);
        invalidEntry_->setEscapeButton(aceptar);
        invalidEntry_->setWindowModality(Qt::NonModal);
        invalidEntry_->setModal(false);
    }
    // The box to correct takes the focus in its window; the message goes on top.
    if (box && box->isVisible()) {
        showWindow(box->window());
        box->setFocus(Qt::OtherFocusReason);
    }
    invalidEntry_->setText(message);
    showWindow(invalidEntry_.get());
}

void Application::positionConfirmed() {
    SelectionDialog* dialog = selectionDialog();

    ReceiptWindow* receipt = receiptWindow();
    sheet_.numcargo = dialog->text("codcargo").toStdString();
    sheet_.punbasicos = dialog->text("punbas").toStdString();
    sheet_.proljor = dialog->text("proljor").toStdString();
    sheet_.jorcom = dialog->text("jorcom").toStdString();
    sheet_.tardif = dialog->text("tardif").toStdString();
    sheet_.compbas = dialog->text("compbas").toStdString();
    receipt->refreshFromSheet();

    PostSummary post;
    post.cargoselect = dialog->text("cargox");
    post.codcarval = dialog->text("codcargo");
    post.puncarval = dialog->text("punbas");
    post.punproljorval = dialog->text("proljor");
    post.punjorcomval = dialog->text("jorcom");
    post.puntardifval = dialog->text("tardif");
    post.puncompbasval = dialog->text("compbas");
    entry_->showPostSummary(post);

    const std::string code = post.codcarval.toStdString();
    const Read<double> value = readDouble(code, localeDecimalSeparator());
    if (code.empty() || (value && value.value == 0)) entry_->deselectCargo();

    showWindow(entry_.get());
    dialog->hide();
}

void Application::returnedFromReceipt() {
    if (ended_) return;
    entry_->returnFromReceipt();
}

void Application::endProgram() {
    if (ended_) return;
    ended_ = true;
    QApplication::closeAllWindows();
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    emit programEnded();
    QCoreApplication::quit();
}

}  // namespace sueldara::ui
