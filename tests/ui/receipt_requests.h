#pragma once
// Receipts the receipt-window tests draw: real sheets filled by the calculation
// run from the requests a teacher would make.

#include <gtest/gtest.h>

#include "calculation.h"
#include "pay_input.h"
#include "pay_state.h"
#include "receipt_sheet.h"
#include "seniority.h"

namespace sueldara::test {

// Post 813 "Maestro De Grado Jornada Completa" as the selection dialog leaves it.
inline SelectedPosition post813() {
    return {"813", "971", "Maestro De Grado Jornada Completa", "971", "170", "0", "620", "0"};
}

// The typical request: post 813, "Entre 5 y 7 años", IOSPER and the pension
// contribution.
inline PayInput typicalRequest() {
    PayInput input;
    input.docente = "Ana María Gómez";
    input.cargo = true;
    applySeniorityBracket(input, 4);
    input.Iosper = true;
    input.APORTEJUB = true;
    return input;
}

// Twelve weekly hours at secondary level, same seniority and deductions.
inline PayInput hoursRequest() {
    PayInput input = typicalRequest();
    input.cargo = false;
    input.horasmedio = true;
    input.numerohorasmed = "12";
    return input;
}

// A short receipt: a few hours, no seniority, no deductions.
inline PayInput shortHoursRequest() {
    PayInput input;
    input.docente = "Luis Pérez";
    input.horasmedio = true;
    input.numerohorasmed = "3";
    input.opincentivo = false;
    return input;
}

inline constexpr const char* kDateTime = "15/10/2008 10:30:00";

// What "Listo" of the selection dialog writes into the receipt's header.
inline void confirmPost(ReceiptSheet& sheet, const SelectedPosition& post = post813()) {
    sheet.numcargo = post.codigocargo;
    sheet.punbasicos = post.punbas;
    sheet.proljor = post.proljor;
    sheet.jorcom = post.jorcom;
    sheet.tardif = post.tardif;
    sheet.compbas = post.compbas;
}

// Runs the request on the sheet; the test fails if the run does not finish.
inline void calculate(const PayInput& input, ReceiptSheet& sheet, PayState& state,
                      const SelectedPosition& position = post813()) {
    const RunResult result = runCalculation(input, position, ',', kDateTime, sheet, state);
    ASSERT_EQ(result.status, RunStatus::done);
}

}  // namespace sueldara::test
