#pragma once
// Shared helpers of the engine tests: a run with its sheet and state, and the
// receipt's lines as plain records to compare against.

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculation.h"
#include "seniority.h"

namespace sueldara::test {

struct Line {
    std::string code;
    std::optional<std::string> quantity;
    std::string conceptText;
    std::string amountText;
    AmountColumn column;

    bool operator==(const Line&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Line& l) {
    return os << l.code << " | " << (l.quantity ? *l.quantity : "<none>") << " | " << l.conceptText << " | "
              << l.amountText << " | " << (l.column == AmountColumn::haberes ? "haberes" : "descuentos");
}

inline std::vector<Line> linesOf(const ReceiptSheet& sheet) {
    std::vector<Line> lines;
    for (int r = 0; r < sheet.rowCount; ++r) {
        const SheetRow& row = sheet.rows[static_cast<std::size_t>(r)];
        const Cell& earn = sheet.Label1[static_cast<std::size_t>(r)];
        const Cell& ded = sheet.Label1[static_cast<std::size_t>(r + kSheetRows)];
        lines.push_back(Line{row.cod.text, row.Label10.shown ? std::optional(row.Label10.text) : std::nullopt,
                             row.Label19.text, earn.shown ? earn.text : ded.text,
                             earn.shown ? AmountColumn::haberes : AmountColumn::descuentos});
    }
    return lines;
}

struct Receipt {
    RunResult result;
    ReceiptSheet sheet;
    PayState state;

    std::vector<Line> lines() const { return linesOf(sheet); }
    std::optional<Line> find(const std::string& code, const std::string& conceptText = {}) const {
        for (const Line& l : lines()) {
            if (l.code == code && (conceptText.empty() || l.conceptText == conceptText)) return l;
        }
        return std::nullopt;
    }
    bool has(const std::string& code) const { return find(code).has_value(); }
};

inline Receipt calculate(const PayInput& in, const SelectedPosition& pos = {}, char sep = ',') {
    Receipt r;
    r.result = runCalculation(in, pos, sep, "11/12/2026 10:30:00", r.sheet, r.state);
    return r;
}

// A post as the selection dialog leaves it after choosing it.
inline SelectedPosition post(std::string code, std::string basic, std::string name, std::string compbas = "0",
                             std::string proljor = "0", std::string jorcom = "0", std::string tardif = "0") {
    return SelectedPosition{code, basic, name, basic, compbas, proljor, jorcom, tardif};
}

inline SelectedPosition post813() {
    return post("813", "971", "Maestro De Grado Jornada Completa", "170", "0", "620", "0");
}

inline PayInput positionInput(int bracket = 0) {
    PayInput in;
    in.cargo = true;
    applySeniorityBracket(in, bracket);
    return in;
}

inline PayInput hoursInput(bool secondary, std::string hours) {
    PayInput in;
    (secondary ? in.horasmedio : in.horassup) = true;
    (secondary ? in.numerohorasmed : in.numerohorassup) = std::move(hours);
    return in;
}

inline Money money(const char* text) { return readMoney(text, '.').value; }

}  // namespace sueldara::test
