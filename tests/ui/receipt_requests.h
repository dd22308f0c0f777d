#pragma once

#include <vector>
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

// One line of a receipt as the receipt window shows it.
struct Line {
    const char* code;
    const char* quantity;  // nullptr: quantity hidden
    const char* conceptText;
    const char* amount;
    bool deduction;
};

// The typical post receipt, line by line.
inline const std::vector<Line> kTypicalLines = {
    {"001", "1", "Asign. de la categoría", "$680,8652", false},
    {"002", "", "Comp. de Básico", "$ 119,204", false},
    {"052", "", "Jornada completa", "$ 531,34", false},
    {"010", "30 %", "Antigüedad", "$ 399,4228", false},
    {"006", "", "Adic. Art 2 y 3 Dcrto 5863/05", "$ 380", false},
    {"014", "0,7", "Product Dcrto 5863/05", "$ 26,6", false},
    {"084", "", "Incentivo de Nación", "$ 220", false},
    {"113", "", "Negro de Nación", "$ 200", false},
    {"188", "7.0", "Plus Productividad", "$ 121,1582", false},
    {"505", "3 %", "IOSPER", "$ 67,7577", true},
    {"502", "16 %", "Aporte Jub.", "$ 361,3744", true},
};

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
