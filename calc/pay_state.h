#pragma once
// The run state: one stored amount per pay item (imp + the line's code), the
// intermediates the items name, and the three totals. Every run starts from a
// zeroed state, so a result depends only on its inputs.

#include <cstdint>
#include <string>

#include "money.h"

namespace sueldara {

struct PayState {
    // Post or hours pay.
    std::string cantidad;  // quantity of line 001: "1" or the hours as typed
    Money imp001, imp002, imp052, imp016;
    std::int16_t punbas = 0, jorcom = 0, proljor = 0;
    Money tardif;
    double compbas = 0;
    double hours = 0;  // the hours number in the hours modes

    // Seniority and zone.
    int porcentajezona = 0;
    Money imp010, imp078;

    // Decree supplements and national incentive.
    Money imp006, imp014, imp084, imp113;

    // Productivity, absences, contribution base, minimum top-up, transport.
    Money imp188;
    double absenceDays = 0;
    Money imp440;
    Money contributionBase;
    Money imp172;
    std::int16_t transportKm = 0;
    Money imp029;

    // Family allowances.
    std::uint8_t childCount = 0;
    Money imp1001;
    std::uint8_t disabledChildCount = 0;
    Money imp1002;
    int imp1003 = 0;
    Money imp1010;

    // Deductions.
    Money imp505, imp508, imp502, imp504, imp332, imp512, imp510;

    Money totalHaberes, totalDescuentos, liquidoPagar;
};

}  // namespace sueldara
