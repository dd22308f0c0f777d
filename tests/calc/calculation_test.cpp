// The run as a whole: the typical receipt, no category, atomic invalid entries,
// runs that leave no trace of earlier ones, and the totals.

#include <gtest/gtest.h>

#include "receipt_fixture.h"

namespace sueldara::test {
namespace {

constexpr auto H = AmountColumn::haberes;
constexpr auto D = AmountColumn::descuentos;

PayInput typicalInput() {
    PayInput in = positionInput(4);
    in.docente = "Pérez, Ana";
    in.Iosper = true;
    in.APORTEJUB = true;
    return in;
}

TEST(Calculation, TypicalPostReceipt) {
    const Receipt r = calculate(typicalInput(), post813());
    ASSERT_EQ(r.result.status, RunStatus::done);
    const std::vector<Line> expected = {
        {"001", "1", "Asign. de la categoría", "$680,8652", H},
        {"002", "", "Comp. de Básico", "$ 119,204", H},
        {"052", "", "Jornada completa", "$ 531,34", H},
        {"010", "30 %", "Antigüedad", "$ 399,4228", H},
        {"006", "", "Adic. Art 2 y 3 Dcrto 5863/05", "$ 380", H},
        {"014", "0,7", "Product Dcrto 5863/05", "$ 26,6", H},
        {"084", "", "Incentivo de Nación", "$ 220", H},
        {"113", "", "Negro de Nación", "$ 200", H},
        {"188", "7.0", "Plus Productividad", "$ 121,1582", H},
        {"505", "3 %", "IOSPER", "$ 67,7577", D},
        {"502", "16 %", "Aporte Jub.", "$ 361,3744", D},
    };
    EXPECT_EQ(r.lines(), expected);
    EXPECT_EQ(r.sheet.thaberes, "$ 2678,5902");
    EXPECT_EQ(r.sheet.tdescuentos, "$ 429,1321");
    EXPECT_EQ(r.sheet.liquido, "$ 2249,4581");
    EXPECT_EQ(r.sheet.docente, "Pérez, Ana");
    EXPECT_EQ(r.sheet.Text10, "11/12/2026 10:30:00");
    EXPECT_EQ(r.sheet.Label11, "Código del cargo");
    EXPECT_EQ(r.sheet.numcargo, "813");
    EXPECT_EQ(r.sheet.punbasicos, "971");
    EXPECT_EQ(r.sheet.carsel, "Maestro De Grado Jornada Completa");
    EXPECT_TRUE(r.sheet.positionPointsShown);
    EXPECT_EQ(r.state.contributionBase, money("2258.5902"));
    EXPECT_EQ(r.sheet.totals.line6Y, 1050 + 315 * 11);
}

TEST(Calculation, FullStopLocaleWritesFullStops) {
    const Receipt r = calculate(typicalInput(), post813(), '.');
    ASSERT_EQ(r.result.status, RunStatus::done);
    EXPECT_EQ(r.find("001")->amountText, "$680.8652");
    EXPECT_EQ(r.find("014")->quantity, "0.7");
    EXPECT_EQ(r.find("188")->quantity, "7.0");
    EXPECT_EQ(r.sheet.liquido, "$ 2249.4581");
}

TEST(Calculation, NoCategoryChangesNothing) {
    Receipt r = calculate(typicalInput(), post813());
    const std::vector<Line> before = r.lines();
    const std::string liquido = r.sheet.liquido;
    PayInput none = typicalInput();
    none.cargo = false;
    const RunResult result = runCalculation(none, post813(), ',', "otra fecha", r.sheet, r.state);
    EXPECT_EQ(result.status, RunStatus::noCategory);
    EXPECT_EQ(r.lines(), before);
    EXPECT_EQ(r.sheet.liquido, liquido);
    EXPECT_EQ(r.sheet.Text10, "11/12/2026 10:30:00");
    EXPECT_EQ(r.state.imp001, money("680.8652"));
}

// Every numeric field, with a text that is not a number and one out of range.
TEST(Calculation, InvalidEntriesNameTheFieldAndLeaveTheReceipt) {
    struct Case {
        const char* what;
        void (*set)(PayInput&, SelectedPosition&, const char*);
        InputField field;
        const char* overflowText;
    };
    const Case cases[] = {
        {"punbas", [](PayInput&, SelectedPosition& p, const char* t) { p.punbas = t; }, InputField::punbas, "40000"},
        {"jorcom", [](PayInput&, SelectedPosition& p, const char* t) { p.jorcom = t; }, InputField::jorcom, "-32769"},
        {"proljor", [](PayInput&, SelectedPosition& p, const char* t) { p.proljor = t; }, InputField::proljor, "32768"},
        {"tardif", [](PayInput&, SelectedPosition& p, const char* t) { p.tardif = t; }, InputField::tardif,
         "1000000000000000"},
        {"compbas", [](PayInput&, SelectedPosition& p, const char* t) { p.compbas = t; }, InputField::compbas,
         "1000000000000000000"},
        {"dinasist", [](PayInput& i, SelectedPosition&, const char* t) { i.dinasist = t; }, InputField::dinasist,
         nullptr},
        {"cantkm",
         [](PayInput& i, SelectedPosition&, const char* t) {
             i.transporte = true;
             i.cantkm = t;
         },
         InputField::cantkm, "32768"},
        {"cantidadhijos",
         [](PayInput& i, SelectedPosition&, const char* t) {
             i.hijos = true;
             i.cantidadhijos = t;
         },
         InputField::cantidadhijos, "256"},
        {"cantidadhijosdisc",
         [](PayInput& i, SelectedPosition&, const char* t) {
             i.hijosdisc = true;
             i.cantidadhijosdisc = t;
         },
         InputField::cantidadhijosdisc, "82"},
    };
    for (const Case& c : cases) {
        for (const char* text : {"", "abc", "1.5", "1,2,3", c.overflowText}) {
            if (!text) continue;
            Receipt r = calculate(typicalInput(), post813());
            const std::vector<Line> before = r.lines();
            const PayState stateBefore = r.state;
            PayInput in = typicalInput();
            in.docente = "otro nombre";
            SelectedPosition pos = post813();
            c.set(in, pos, text);
            const RunResult result = runCalculation(in, pos, ',', "otra fecha", r.sheet, r.state);
            EXPECT_EQ(result.status, RunStatus::invalidEntry) << c.what << " '" << text << "'";
            EXPECT_EQ(result.field, c.field) << c.what << " '" << text << "'";
            EXPECT_EQ(result.error, text == c.overflowText ? NumberError::overflow : NumberError::typeMismatch)
                << c.what << " '" << text << "'";
            EXPECT_EQ(r.lines(), before) << c.what;
            EXPECT_EQ(r.sheet.docente, "Pérez, Ana") << c.what;
            EXPECT_EQ(r.sheet.Text10, "11/12/2026 10:30:00") << c.what;
            EXPECT_EQ(r.state.totalHaberes, stateBefore.totalHaberes) << c.what;
        }
    }
}

TEST(Calculation, InvalidHourFieldsNameTheField) {
    struct Case {
        bool secondary;
        std::string PayInput::*text;
        InputField field;
    };
    const Case cases[] = {
        {true, &PayInput::numerohorasmed, InputField::numerohorasmed},
        {false, &PayInput::numerohorassup, InputField::numerohorassup},
        {true, &PayInput::numhorascod06, InputField::numhorascod06},
        {false, &PayInput::numhorasincen, InputField::numhorasincen},
        {true, &PayInput::numhorascod113, InputField::numhorascod113},
    };
    for (const Case& c : cases) {
        PayInput in = hoursInput(c.secondary, "12");
        in.*c.text = "doce";
        Receipt r = calculate(in);
        EXPECT_EQ(r.result.status, RunStatus::invalidEntry);
        EXPECT_EQ(r.result.field, c.field);
        EXPECT_EQ(r.result.error, NumberError::typeMismatch);
        EXPECT_EQ(r.sheet.rowCount, 0);
    }
    // A product too large for Money is an overflow of the hours that fed it.
    PayInput in = hoursInput(true, "1" + std::string(20, '0'));
    const Receipt r = calculate(in);
    EXPECT_EQ(r.result.status, RunStatus::invalidEntry);
    EXPECT_EQ(r.result.field, InputField::numerohorasmed);
    EXPECT_EQ(r.result.error, NumberError::overflow);
    PayInput neg = hoursInput(true, "12");
    neg.numhorascod113 = "-1" + std::string(16, '0');
    EXPECT_EQ(calculate(neg).result.field, InputField::numhorascod113);
    EXPECT_EQ(calculate(neg).result.error, NumberError::overflow);
}

TEST(Calculation, FirstFailingFieldInReadingOrderIsReported) {
    PayInput in = typicalInput();
    in.dinasist = "x";
    in.transporte = true;
    in.cantkm = "y";
    SelectedPosition pos = post813();
    pos.compbas = "z";
    EXPECT_EQ(calculate(in, pos).result.field, InputField::compbas);
    pos.compbas = "170";
    EXPECT_EQ(calculate(in, pos).result.field, InputField::dinasist);
    in.dinasist = "0";
    EXPECT_EQ(calculate(in, pos).result.field, InputField::cantkm);
}

TEST(Calculation, HugeTypedAmountsOverflowWithoutUndefinedBehaviour) {
    // Each amount fits Money on its own; their sums do not.
    SelectedPosition pos = post813();
    pos.compbas = "1000000000000000";  // 0.7012 × 1e15 = 7.0e14
    pos.tardif = "900000000000000";    // 0.7012 × 9e14 = 6.3e14
    const Receipt r = calculate(typicalInput(), pos);
    EXPECT_EQ(r.result.status, RunStatus::invalidEntry);
    EXPECT_EQ(r.result.error, NumberError::overflow);
    EXPECT_EQ(r.result.field, InputField::compbas);
}

TEST(Calculation, LaterRunsLeaveNoTraceOfEarlierOnes) {
    PayInput first = typicalInput();
    first.transporte = true;
    first.cantkm = "100";
    first.conyuge = true;
    first.zona = 2;
    first.Osplad = first.ZELAN = first.cajacomp = first.Ley4035 = first.Seguro3011 = true;
    SelectedPosition pos = post813();
    pos.tardif = "150";
    Receipt r = calculate(first, pos);
    ASSERT_EQ(r.result.status, RunStatus::done);
    ASSERT_GT(r.sheet.rowCount, 16);

    PayInput hours = hoursInput(true, "12");
    const RunResult second = runCalculation(hours, pos, ',', "t", r.sheet, r.state);
    ASSERT_EQ(second.status, RunStatus::done);
    const Receipt fresh = calculate(hours, pos);
    EXPECT_EQ(r.lines(), fresh.lines());
    EXPECT_EQ(r.sheet.thaberes, fresh.sheet.thaberes);
    EXPECT_EQ(r.state.imp002, Money{});
    EXPECT_EQ(r.state.imp016, Money{});
    EXPECT_EQ(r.state.imp052, Money{});
    EXPECT_EQ(r.state.imp029, Money{});
    EXPECT_FALSE(r.sheet.positionPointsShown);
    for (int row = r.sheet.rowCount; row < kSheetRows; ++row) {
        EXPECT_FALSE(r.sheet.rows[row].cod.shown || r.sheet.rows[row].Label10.shown ||
                     r.sheet.rows[row].Label19.shown || r.sheet.rows[row].Line8 || r.sheet.Label1[row].shown ||
                     r.sheet.Label1[row + 27].shown)
            << row;
    }
}

// The totals are the exact sums of the amounts in their columns; the one
// exception is the pair of 052 lines, counted once.
TEST(Calculation, TotalsAreExactSumsOfTheColumns) {
    PayInput in = positionInput(12);
    in.zona = 4;
    in.hijos = true;
    in.cantidadhijos = "2";
    in.hijosdisc = true;
    in.cantidadhijosdisc = "1";
    in.conyuge = true;
    in.transporte = true;
    in.cantkm = "301";
    in.inasist = true;
    in.dinasist = "2";
    in.Iosper = in.Osplad = in.APORTEJUB = in.Ley4035 = in.ZELAN = in.cajacomp = in.Seguro3011 = true;
    const Receipt r = calculate(in, post("736", "1782", "Director", "64", "0", "0", "150"));
    ASSERT_EQ(r.result.status, RunStatus::done);
    Money earnings, deductions;
    for (const Line& l : r.lines()) {
        const std::string text = l.amountText.substr(l.amountText.find('$') + 1);
        const Money m = readMoney(text, ',').value;
        (l.column == H ? earnings : deductions) = *checkedAdd(l.column == H ? earnings : deductions, m);
    }
    EXPECT_EQ(r.sheet.thaberes, "$ " + moneyText(earnings, ','));
    EXPECT_EQ(r.sheet.tdescuentos, "$ " + moneyText(deductions, ','));
    EXPECT_EQ(r.state.liquidoPagar.raw, earnings.raw - deductions.raw);
    EXPECT_EQ(r.sheet.rowCount, 23);
}

TEST(Calculation, DeductionsAboveEarningsGiveANegativeNetPay) {
    PayInput in = hoursInput(true, "0");
    in.numhorascod06 = "-10";
    in.Iosper = true;
    const Receipt r = calculate(in);
    ASSERT_EQ(r.result.status, RunStatus::done);
    EXPECT_LT(r.state.liquidoPagar, Money{});
    EXPECT_EQ(r.sheet.liquido, "$ " + moneyText(r.state.liquidoPagar, ','));
    EXPECT_EQ(r.sheet.liquido.substr(0, 3), "$ -");
}

TEST(Calculation, FieldNamesAndMessages) {
    EXPECT_EQ(fieldName(InputField::cantkm), "cantkm");
    EXPECT_EQ(fieldLabel(InputField::dinasist), "Cantidad de días");
    const std::string mismatch = invalidEntryMessage(InputField::dinasist, NumberError::typeMismatch);
    const std::string overflow = invalidEntryMessage(InputField::cantidadhijos, NumberError::overflow);
    EXPECT_NE(mismatch.find("Cantidad de días"), std::string::npos);
    EXPECT_NE(mismatch.find("no es un número"), std::string::npos);
    EXPECT_NE(overflow.find("Cantidad de hijos"), std::string::npos);
    EXPECT_NE(overflow.find("fuera del rango"), std::string::npos);
}

}  // namespace
}  // namespace sueldara::test
