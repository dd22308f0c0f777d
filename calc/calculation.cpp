#include "calculation.h"

#include <array>

#include "items.h"
#include "run.h"

namespace sueldara {

namespace {

struct FieldInfo {
    InputField field;
    std::string_view name;
    std::string_view label;
};

constexpr std::array<FieldInfo, 14> kFields = {{
    {InputField::punbas, "punbas", "Puntos básicos"},
    {InputField::jorcom, "jorcom", "Jorn. completa"},
    {InputField::proljor, "proljor", "Prol. de jornada"},
    {InputField::tardif, "tardif", "Tarea diferenc."},
    {InputField::compbas, "compbas", "Comp básico"},
    {InputField::numerohorasmed, "numerohorasmed", "Número de horas N. Medio"},
    {InputField::numerohorassup, "numerohorassup", "Número de horas N. Superior"},
    {InputField::numhorascod06, "numhorascod06", "Número de horas con código 06"},
    {InputField::numhorasincen, "numhorasincen", "Número de horas con incentivo"},
    {InputField::numhorascod113, "numhorascod113", "Número de horas con código 113"},
    {InputField::dinasist, "dinasist", "Cantidad de días"},
    {InputField::cantkm, "cantkm", "Cantidad de km semanales"},
    {InputField::cantidadhijos, "cantidadhijos", "Cantidad de hijos"},
    {InputField::cantidadhijosdisc, "cantidadhijosdisc", "Cantidad de hijos diferenciados"},
}};

const FieldInfo& info(InputField field) { return kFields[static_cast<std::size_t>(field)]; }

}  // namespace

std::string_view fieldName(InputField field) { return info(field).name; }
std::string_view fieldLabel(InputField field) { return info(field).label; }

std::string invalidEntryMessage(InputField field, NumberError error) {
    std::string message = "El valor de \"";
    message += fieldLabel(field);
    message += error == NumberError::typeMismatch
        ? "\" no es un número válido. Corríjalo y vuelva a calcular."
        : "\" está fuera del rango permitido. Corríjalo y vuelva a calcular.";
    return message;
}

// ---------------------------------------------------------------------------
// Run

void Run::append(std::string_view code, std::string quantity, std::string_view conceptText, Money amount,
                 AmountColumn column) {
    if (lineCount >= kMaxLines) return;
    ReceiptLine& line = lines[static_cast<std::size_t>(lineCount++)];
    line.code.assign(code);
    line.quantity = std::move(quantity);
    line.conceptText.assign(conceptText);
    line.amount = amount;
    line.column = column;
}

void Run::appendWithoutQuantity(std::string_view code, std::string_view conceptText, Money amount) {
    if (lineCount >= kMaxLines) return;
    ReceiptLine& line = lines[static_cast<std::size_t>(lineCount++)];
    line.code.assign(code);
    line.quantity.reset();
    line.conceptText.assign(conceptText);
    line.amount = amount;
    line.column = AmountColumn::haberes;
}

std::string_view Run::text(InputField field) const {
    switch (field) {
        case InputField::punbas: return pos.punbas;
        case InputField::jorcom: return pos.jorcom;
        case InputField::proljor: return pos.proljor;
        case InputField::tardif: return pos.tardif;
        case InputField::compbas: return pos.compbas;
        case InputField::numerohorasmed: return in.numerohorasmed;
        case InputField::numerohorassup: return in.numerohorassup;
        case InputField::numhorascod06: return in.numhorascod06;
        case InputField::numhorasincen: return in.numhorasincen;
        case InputField::numhorascod113: return in.numhorascod113;
        case InputField::dinasist: return in.dinasist;
        case InputField::cantkm: return in.cantkm;
        case InputField::cantidadhijos: return in.cantidadhijos;
        case InputField::cantidadhijosdisc: return in.cantidadhijosdisc;
    }
    return {};
}

void Run::fail(InputField field, NumberError error) const { throw InvalidEntry{field, error}; }

void Run::overflow() const { fail(dominantField_, NumberError::overflow); }

void Run::note(InputField field, Money amount) {
    const std::uint64_t magnitude = amount.raw < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(amount.raw)
                                                   : static_cast<std::uint64_t>(amount.raw);
    if (!dominantSet_ || magnitude > dominantMagnitude_) {
        dominantField_ = field;
        dominantMagnitude_ = magnitude;
        dominantSet_ = true;
    }
}

std::int16_t Run::int16(InputField field) {
    const auto r = readInt16(text(field), sep);
    if (!r) fail(field, r.error);
    return r.value;
}

std::uint8_t Run::uint8(InputField field) {
    const auto r = readUint8(text(field), sep);
    if (!r) fail(field, r.error);
    return r.value;
}

double Run::number(InputField field) {
    const auto r = readDouble(text(field), sep);
    if (!r) fail(field, r.error);
    return r.value;
}

Money Run::money(InputField field) {
    const auto r = readMoney(text(field), sep);
    if (!r) fail(field, r.error);
    return r.value;
}

Money Run::roundedFrom(InputField field, double x) {
    const auto m = roundToMoney(x);
    if (!m) fail(field, NumberError::overflow);
    note(field, *m);
    return *m;
}

Money Run::rounded(double x) {
    const auto m = roundToMoney(x);
    if (!m) overflow();
    return *m;
}

Money Run::sum(std::initializer_list<Money> terms) {
    Money total;
    for (Money t : terms) {
        const auto s = checkedAdd(total, t);
        if (!s) overflow();
        total = *s;
    }
    return total;
}

Money Run::difference(Money a, Money b) {
    const auto d = checkedSub(a, b);
    if (!d) overflow();
    return *d;
}

Money Run::times(Money a, std::int64_t n) {
    const auto p = checkedMul(a, n);
    if (!p) overflow();
    return *p;
}

// ---------------------------------------------------------------------------
// The run

namespace {

void computeItems(Run& run) {
    const PayInput& in = run.in;
    if (in.cargo) {
        items::positionPay(run);
        items::positionDecreeAmounts(run);
    } else {
        items::hoursPay(run, in.horasmedio ? items::HoursLevel::medio : items::HoursLevel::superior);
    }
    items::seniorityAndZone(run);
    items::decreeLines(run);
    items::productivity(run);
    items::absenceReduction(run);
    items::contributionBase(run);
    items::minimumTopUp(run);
    items::transport(run);
    items::childAllowance(run);
    items::disabledChildAllowance(run);
    items::largeFamily(run);
    items::spouseAllowance(run);
    items::absenceAdjustment(run);
    items::deductions(run);

    PayState& st = run.st;
    st.totalHaberes = run.sum({st.imp001, st.imp002, st.imp006, st.imp014, st.imp052, st.imp016, st.imp010,
                               st.imp188, st.imp172, st.imp1001, st.imp1002, Money::whole(st.imp1003), st.imp1010,
                               st.imp078, st.imp084, st.imp113, st.imp029});
    st.totalDescuentos =
        run.sum({st.imp505, st.imp508, st.imp502, st.imp504, st.imp332, st.imp512, st.imp510, st.imp440});
    st.liquidoPagar = run.difference(st.totalHaberes, st.totalDescuentos);
}

// Writes a completed run onto the sheet; nothing here can fail.
void writeSheet(const Run& run, std::string_view dateTime, ReceiptSheet& sheet) {
    clearSheet(sheet);
    for (int i = 0; i < run.lineCount; ++i) {
        appendLine(sheet, run.lines[static_cast<std::size_t>(i)], run.sep);
    }
    sheet.Label11 = run.header.Label11;
    sheet.numcargo = run.header.numcargo;
    sheet.punbasicos = run.header.punbasicos;
    sheet.carsel = run.header.carsel;
    sheet.positionPointsShown = run.header.positionPointsShown;

    placeTotals(sheet);
    const PayState& st = run.st;
    sheet.thaberes = "$ " + moneyText(st.totalHaberes, run.sep);
    sheet.tdescuentos = "$ " + moneyText(st.totalDescuentos, run.sep);
    sheet.liquido = "$ " + moneyText(st.liquidoPagar, run.sep);
    sheet.docente = run.in.docente;
    sheet.Text10.assign(dateTime);
}

}  // namespace

RunResult runCalculation(const PayInput& input, const SelectedPosition& position, char decimalSeparator,
                         std::string_view dateTime, ReceiptSheet& sheet, PayState& state) {
    if (!input.cargo && !input.horasmedio && !input.horassup) {
        return RunResult{RunStatus::noCategory, InputField::punbas, NumberError::typeMismatch};
    }
    Run run(input, position, decimalSeparator);
    try {
        computeItems(run);
    } catch (const InvalidEntry& e) {
        return RunResult{RunStatus::invalidEntry, e.field, e.error};
    }
    writeSheet(run, dateTime, sheet);
    state = std::move(run.st);
    return RunResult{RunStatus::done, InputField::punbas, NumberError::typeMismatch};
}

}  // namespace sueldara
