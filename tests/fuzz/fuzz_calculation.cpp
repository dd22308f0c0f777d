// runCalculation on random entries and posts. It never crashes; a completed
// run has consistent totals and at most 26 lines whose shown cells all carry a
// text; a run that stops leaves the previous receipt exactly as it was.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "calculation.h"
#include "number_input.h"
#include "seniority.h"

using namespace sueldara;

namespace {

const char* const kTexts[] = {"0", "1", "2", "3", "12", "12,5", "12.5", "-2", "30", "31", "971", "620", "600",
                              "150", "170", "301", "81", "82", "255", "256", "0,5", "1,5", "", "abc", "32767",
                              "-32768", "1e3", "999999999999999", "1000000000000000000000", "3,5", " 7 "};

std::string text(FuzzedDataProvider& p) {
    if (p.ConsumeBool()) return kTexts[p.ConsumeIntegralInRange<std::size_t>(0, std::size(kTexts) - 1)];
    return p.ConsumeRandomLengthString(24);
}

bool sameSheet(const ReceiptSheet& a, const ReceiptSheet& b) {
    for (int r = 0; r < kSheetRows; ++r) {
        const SheetRow &x = a.rows[r], &y = b.rows[r];
        if (x.cod.text != y.cod.text || x.cod.shown != y.cod.shown || x.Label10.text != y.Label10.text ||
            x.Label10.shown != y.Label10.shown || x.Label19.text != y.Label19.text ||
            x.Label19.shown != y.Label19.shown || x.Line8 != y.Line8) {
            return false;
        }
    }
    for (int c = 0; c < kAmountCells; ++c) {
        if (a.Label1[c].text != b.Label1[c].text || a.Label1[c].shown != b.Label1[c].shown) return false;
    }
    return a.rowCount == b.rowCount && a.thaberes == b.thaberes && a.tdescuentos == b.tdescuentos &&
           a.liquido == b.liquido && a.docente == b.docente && a.Text10 == b.Text10 && a.numcargo == b.numcargo &&
           a.punbasicos == b.punbasicos && a.carsel == b.carsel && a.Label11 == b.Label11;
}

Money cellAmount(const std::string& cellText, char sep) {
    std::string_view t = cellText;
    t.remove_prefix(t.starts_with("$ ") ? 2 : 1);
    const auto m = readMoney(t, sep);
    CHECK(static_cast<bool>(m));
    return m.value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider p(data, size);
    const char sep = p.ConsumeBool() ? ',' : '.';
    PayInput in;
    switch (p.ConsumeIntegralInRange(0, 3)) {
        case 0: in.cargo = true; break;
        case 1: in.horasmedio = true; break;
        case 2: in.horassup = true; break;
        default: break;
    }
    in.docente = p.ConsumeRandomLengthString(16);
    in.numerohorasmed = text(p);
    in.numerohorassup = text(p);
    in.numhorascod06 = text(p);
    in.numhorasincen = text(p);
    in.numhorascod113 = text(p);
    applySeniorityBracket(in, p.ConsumeIntegralInRange(0, 12));
    in.zona = p.ConsumeIntegralInRange(-1, 4);
    in.opincentivo = p.ConsumeBool();
    in.transporte = p.ConsumeBool();
    in.cantkm = text(p);
    in.inasist = p.ConsumeBool();
    in.dinasist = p.ConsumeBool() ? text(p) : std::string("0");
    in.hijos = p.ConsumeBool();
    in.cantidadhijos = text(p);
    in.hijosdisc = p.ConsumeBool();
    in.cantidadhijosdisc = text(p);
    in.conyuge = p.ConsumeBool();
    in.Iosper = p.ConsumeBool();
    in.Osplad = p.ConsumeBool();
    in.APORTEJUB = p.ConsumeBool();
    in.Ley4035 = p.ConsumeBool();
    in.ZELAN = p.ConsumeBool();
    in.cajacomp = p.ConsumeBool();
    in.Seguro3011 = p.ConsumeBool();
    SelectedPosition pos;
    pos.codigocargo = text(p);
    pos.puntosbasicos = text(p);
    pos.cargox = p.ConsumeRandomLengthString(16);
    pos.punbas = text(p);
    pos.compbas = text(p);
    pos.proljor = text(p);
    pos.jorcom = text(p);
    pos.tardif = text(p);

    // A previous receipt to protect.
    ReceiptSheet sheet;
    PayState state;
    PayInput earlier;
    earlier.horasmedio = true;
    earlier.numerohorasmed = "12";
    CHECK(runCalculation(earlier, {}, sep, "antes", sheet, state).status == RunStatus::done);
    const ReceiptSheet before = sheet;
    const Money earlierTotal = state.totalHaberes;

    const RunResult result = runCalculation(in, pos, sep, "ahora", sheet, state);
    if (result.status != RunStatus::done) {
        CHECK(sameSheet(sheet, before));
        CHECK(state.totalHaberes == earlierTotal);
        CHECK(!in.cargo && !in.horasmedio && !in.horassup ? result.status == RunStatus::noCategory
                                                          : result.status == RunStatus::invalidEntry);
        return 0;
    }

    CHECK(sheet.rowCount <= 26);
    Money earnings, deductions;
    bool twoDayLines = false;
    int dayLines = 0;
    for (int r = 0; r < sheet.rowCount; ++r) {
        const SheetRow& row = sheet.rows[r];
        CHECK(row.cod.shown && !row.cod.text.empty() && row.Label19.shown && !row.Label19.text.empty() && row.Line8);
        const Cell& e = sheet.Label1[r];
        const Cell& d = sheet.Label1[r + kSheetRows];
        CHECK(e.shown != d.shown);
        const Cell& amount = e.shown ? e : d;
        CHECK(!amount.text.empty() && amount.text[0] == '$');
        if (row.cod.text == "052") ++dayLines;
        (e.shown ? earnings : deductions) =
            Money::fromRaw((e.shown ? earnings : deductions).raw + cellAmount(amount.text, sep).raw);
    }
    for (int r = sheet.rowCount; r < kSheetRows; ++r) {
        CHECK(!sheet.rows[r].cod.shown && !sheet.rows[r].Label19.shown && !sheet.Label1[r].shown &&
              !sheet.Label1[r + kSheetRows].shown);
    }
    twoDayLines = dayLines == 2;
    CHECK(state.liquidoPagar.raw == state.totalHaberes.raw - state.totalDescuentos.raw);
    CHECK(sheet.liquido == "$ " + moneyText(state.liquidoPagar, sep));
    // A negative absence reduction (from a negative productivity plus) counts
    // without a line.
    bool absenceLine = false;
    for (int r = 0; r < sheet.rowCount; ++r) absenceLine |= sheet.rows[r].cod.text == "440";
    CHECK(absenceLine == (state.imp440 > Money{}));
    CHECK(Money::fromRaw(deductions.raw + (absenceLine ? 0 : state.imp440.raw)) == state.totalDescuentos);
    // Both 052 lines show the combined amount, and a negative full-day term
    // counts without a line; otherwise the earnings column sums to the total.
    if (!twoDayLines && state.jorcom >= 0) CHECK(earnings == state.totalHaberes);
    const Money stored = Money::fromRaw(
        state.imp001.raw + state.imp002.raw + state.imp006.raw + state.imp014.raw + state.imp052.raw +
        state.imp016.raw + state.imp010.raw + state.imp188.raw + state.imp172.raw + state.imp1001.raw +
        state.imp1002.raw + Money::whole(state.imp1003).raw + state.imp1010.raw + state.imp078.raw +
        state.imp084.raw + state.imp113.raw + state.imp029.raw);
    CHECK(stored == state.totalHaberes);
    CHECK(sheet.Text10 == "ahora");
    return 0;
}
