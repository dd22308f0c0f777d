#pragma once
// The calculation run behind "Calcular".

#include <string>
#include <string_view>

#include "number_input.h"
#include "pay_input.h"
#include "pay_state.h"
#include "receipt_sheet.h"

namespace sueldara {

// The numeric fields a run reads, in the order a run may read them.
enum class InputField {
    punbas,
    jorcom,
    proljor,
    tardif,
    compbas,
    numerohorasmed,
    numerohorassup,
    numhorascod06,
    numhorasincen,
    numhorascod113,
    dinasist,
    cantkm,
    cantidadhijos,
    cantidadhijosdisc,
};

// The control's name ("cantkm") and the label the user sees beside it
// ("Cantidad de km semanales").
std::string_view fieldName(InputField field);
std::string_view fieldLabel(InputField field);

enum class RunStatus { done, noCategory, invalidEntry };

struct RunResult {
    RunStatus status = RunStatus::done;
    InputField field = InputField::punbas;  // meaningful for invalidEntry
    NumberError error = NumberError::typeMismatch;
};

// A clear Spanish sentence for an invalid entry, naming the field by its label.
std::string invalidEntryMessage(InputField field, NumberError error);

// The message the error dialog shows when no category is chosen.
inline constexpr std::string_view kNoCategoryMessage = "No seleccionaste cargo ni horas";

// Runs the calculation. decimalSeparator is the user's locale's (',' or '.');
// dateTime is the text written to Text10 (the locale's short date, a blank,
// its long time). A run is atomic: on noCategory or invalidEntry neither the
// sheet nor the state changes, and the result names the first field that failed.
RunResult runCalculation(const PayInput& input, const SelectedPosition& position,
                         char decimalSeparator, std::string_view dateTime,
                         ReceiptSheet& sheet, PayState& state);

}  // namespace sueldara
