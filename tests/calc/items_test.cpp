// The pay items one by one, by the thresholds and worked examples of the pay rules.

#include <gtest/gtest.h>

#include "items.h"
#include "receipt_fixture.h"

namespace sueldara::test {
namespace {

// ---------------------------------------------------------------------------
// Post pay

TEST(PositionPay, LinesFollowThePostsPoints) {
    struct Case {
        SelectedPosition pos;
        std::vector<std::pair<std::string, std::string>> lines;  // conceptText, amount text, before 010
    };
    const Case cases[] = {
        {post("999", "3146", "Analista Princ Tec Doc"), {{"Asign. de la categoría", "$2205,9752"}}},
        {post("1", "1000", "x", "36"), {{"Asign. de la categoría", "$701,2"}, {"Comp. de Básico", "$ 25,2432"}}},
        {post("1", "1000", "x", "36,5"), {{"Asign. de la categoría", "$701,2"}, {"Comp. de Básico", "$ 25,5938"}}},
        {post("1", "1000", "x", "0", "0", "620"),
         {{"Asign. de la categoría", "$701,2"}, {"Jornada completa", "$ 531,34"}}},
        {post("1", "1000", "x", "0", "600", "0"),
         {{"Asign. de la categoría", "$701,2"}, {"Prol. de Jornada", "$ 514,2"}}},
        {post("1", "1000", "x", "0", "600", "620"),
         {{"Asign. de la categoría", "$701,2"}, {"Jornada completa", "$ 1045,54"}, {"Prol. de Jornada", "$ 1045,54"}}},
        {post("1", "1000", "x", "0", "0", "0", "150"),
         {{"Asign. de la categoría", "$701,2"}, {"Tarea diferenciada", "$ 105,18"}}},
        // Halves to even: 0,5 full-day points read as 0, 1,5 as 2.
        {post("1", "1000", "x", "0", "0", "0,5"), {{"Asign. de la categoría", "$701,2"}}},
        {post("1", "1000", "x", "0", "0", "1,5"),
         {{"Asign. de la categoría", "$701,2"}, {"Jornada completa", "$ 1,714"}}},
        // Negative or zero points append nothing; negative basic points still pay 001.
        {post("1", "1000", "x", "-36", "-600", "0", "-150"), {{"Asign. de la categoría", "$701,2"}}},
        {post("1", "-100", "x"), {{"Asign. de la categoría", "$-70,12"}}},
    };
    for (const Case& c : cases) {
        PayInput in = positionInput();
        const Receipt r = calculate(in, c.pos);
        ASSERT_EQ(r.result.status, RunStatus::done) << c.pos.punbas;
        std::vector<std::pair<std::string, std::string>> got;
        for (const Line& l : r.lines()) {
            if (l.code == "006") break;
            got.emplace_back(l.conceptText, l.amountText);
        }
        EXPECT_EQ(got, c.lines) << c.pos.punbas << " " << c.pos.compbas << " " << c.pos.jorcom;
    }
}

TEST(PositionPay, StoredAmountsAndQuantities) {
    const Receipt r = calculate(positionInput(), post("999", "3146", "Analista Princ Tec Doc"));
    EXPECT_EQ(r.state.imp001, money("2205.9752"));
    EXPECT_EQ(r.state.imp002, Money{});
    EXPECT_EQ(r.state.imp052, Money{});
    EXPECT_EQ(r.state.imp016, Money{});
    EXPECT_EQ(r.find("001")->quantity, "1");

    // Both 052 lines show the combined amount, which the total counts once.
    const Receipt both = calculate(positionInput(), post("1", "1000", "x", "0", "600", "620"));
    EXPECT_EQ(both.state.imp052, money("1045.54"));
    const Receipt fullOnly = calculate(positionInput(), post("1", "1000", "x", "0", "0", "620"));
    const Receipt prolOnly = calculate(positionInput(), post("1", "1000", "x", "0", "600", "0"));
    EXPECT_EQ(fullOnly.find("052")->quantity, "");
    EXPECT_EQ(both.state.imp001, fullOnly.state.imp001);
    // Same everything else except the 052 amount and what derives from it.
    EXPECT_EQ(both.state.imp052.raw, fullOnly.state.imp052.raw + prolOnly.state.imp052.raw);

    // Negative full-day points count without a line.
    const Receipt negative = calculate(positionInput(), post("1", "1000", "x", "0", "0", "-100"));
    EXPECT_EQ(negative.state.imp052, money("-85.7"));
    EXPECT_FALSE(negative.has("052"));
    EXPECT_EQ(negative.state.imp188, *roundToMoney(0.07 * (701.2 - 85.7)));
}

// ---------------------------------------------------------------------------
// Hours pay

TEST(HoursPay, HeaderAndLine001) {
    const struct {
        bool secondary;
        const char* hours;
        const char* points;
        const char* amount;
        const char* caption;
    } cases[] = {
        {true, "12", "776,4", "$544,4117", "Horas de nivel medio"},
        {false, "12", "1042,8", "$731,2114", "Horas de nivel superior"},
        {true, "12,5", "808,75", "$567,0955", "Horas de nivel medio"},
        {true, "0", "0", "$0", "Horas de nivel medio"},
    };
    for (const auto& c : cases) {
        const Receipt r = calculate(hoursInput(c.secondary, c.hours));
        ASSERT_EQ(r.result.status, RunStatus::done);
        const Line first = r.lines().front();
        EXPECT_EQ(first, (Line{"001", c.hours, c.secondary ? "Hs. N. Medio" : "Hs. N. Superior", c.amount,
                               AmountColumn::haberes}));
        EXPECT_EQ(r.sheet.Label11, "Cantidad de horas");
        EXPECT_EQ(r.sheet.numcargo, c.hours);
        EXPECT_EQ(r.sheet.punbasicos, c.points);
        EXPECT_EQ(r.sheet.carsel, c.caption);
        EXPECT_FALSE(r.sheet.positionPointsShown);
        EXPECT_EQ(r.state.cantidad, c.hours);
    }
}

TEST(HoursPay, Item006CapsOnTheHours) {
    const struct {
        bool secondary;
        const char* hours;
        const char* amount;
        const char* quantity;
    } cases[] = {
        {true, "29,9", "281.06", "29,9"}, {true, "30", "282", "30"},   {true, "45", "282", "30"},
        {false, "14", "131.6", "14"},     {false, "15", "141", "15"},  {false, "20", "141", "15"},
        {true, "-2", "-18.8", "-2"},      {true, "0", "0", "0"},
    };
    for (const auto& c : cases) {
        PayInput in = hoursInput(c.secondary, "10");
        in.numhorascod06 = c.hours;
        const Receipt r = calculate(in);
        EXPECT_EQ(r.state.imp006, money(c.amount)) << c.hours;
        EXPECT_EQ(r.find("006")->quantity, c.quantity) << c.hours;
        EXPECT_EQ(r.state.imp014, *roundToMoney(r.state.imp006.toDouble() * 0.07)) << c.hours;
    }
    PayInput capped = hoursInput(true, "10");
    capped.numhorascod06 = "30";
    EXPECT_EQ(calculate(capped).state.imp014, money("19.74"));
    PayInput cappedHigher = hoursInput(false, "10");
    cappedHigher.numhorascod06 = "15";
    EXPECT_EQ(calculate(cappedHigher).state.imp014, money("9.87"));
}

TEST(HoursPay, IncentiveAnd113CapOnTheProduct) {
    const struct {
        bool secondary;
        const char* hours;
        const char* incentive;
        const char* item113;
        const char* incentiveQty;  // nullptr: no 084 line
        const char* qty113;
    } cases[] = {
        {true, "30", "219.9", "199.8", "30", "30"},     {true, "31", "220", "200", "30", "30"},
        {false, "24", "219.984", "199.992", "24", "24"}, {false, "25", "220", "200", "24", "24"},
        {false, "10", "91.66", "83.33", "10", "10"},     {true, "0", "0", "0", nullptr, "0"},
        {true, "-2", "0", "-13.32", nullptr, "-2"},
    };
    for (const auto& c : cases) {
        PayInput in = hoursInput(c.secondary, "10");
        in.numhorasincen = c.hours;
        in.numhorascod113 = c.hours;
        in.opincentivo = false;  // not read in the hours modes
        const Receipt r = calculate(in);
        EXPECT_EQ(r.state.imp084, money(c.incentive)) << c.hours;
        EXPECT_EQ(r.state.imp113, money(c.item113)) << c.hours;
        if (c.incentiveQty) {
            ASSERT_TRUE(r.has("084")) << c.hours;
            EXPECT_EQ(r.find("084")->quantity, c.incentiveQty);
        } else {
            EXPECT_FALSE(r.has("084")) << c.hours;
        }
        EXPECT_EQ(r.find("113")->quantity, c.qty113) << c.hours;
    }
}

TEST(HoursPay, HoldsNoPositionAmountsAfterAPostRun) {
    Receipt r = calculate(positionInput(), post("1", "1000", "x", "36", "0", "620", "150"));
    ASSERT_GT(r.state.imp002, Money{});
    runCalculation(hoursInput(false, "12"), post("1", "1000", "x", "36", "0", "620", "150"), ',', "", r.sheet,
                   r.state);
    EXPECT_EQ(r.state.imp002, Money{});
    EXPECT_EQ(r.state.imp016, Money{});
    EXPECT_EQ(r.state.imp052, Money{});
    EXPECT_EQ(r.state.imp010, Money{});
    EXPECT_FALSE(r.has("002") || r.has("016") || r.has("052"));
}

// ---------------------------------------------------------------------------
// Seniority and zone

TEST(SeniorityAndZone, PercentagesOfThePostOrHoursPay) {
    const SelectedPosition grade = post("634", "971", "Maestro De Grado", "170");
    const struct {
        SelectedPosition pos;
        bool hours;
        int bracket;
        int zona;
        const char* imp010;
        const char* imp078;
    } cases[] = {
        {grade, false, 4, -1, "240.0208", "0"},
        {grade, false, 12, -1, "960.083", "0"},
        {grade, false, 0, 2, "0", "320.0277"},
        {grade, false, 1, 0, "0", "0"},
        {post813(), false, 4, -1, "399.4228", "0"},
        {{}, true, 2, 1, "54.4412", "108.8823"},
        {grade, false, 12, 4, "960.083", "960.083"},
    };
    for (const auto& c : cases) {
        PayInput in = c.hours ? hoursInput(true, "12") : positionInput();
        applySeniorityBracket(in, c.bracket);
        in.zona = c.zona;
        const Receipt r = calculate(in, c.pos);
        ASSERT_EQ(r.result.status, RunStatus::done);
        EXPECT_EQ(r.state.imp010, money(c.imp010)) << c.bracket << " " << c.zona;
        EXPECT_EQ(r.state.imp078, money(c.imp078)) << c.bracket << " " << c.zona;
        EXPECT_EQ(r.has("010"), r.state.imp010 != Money{});
        EXPECT_EQ(r.has("078"), r.state.imp078 != Money{});
    }
    PayInput in = positionInput(12);
    in.zona = 2;
    const Receipt r = calculate(in, grade);
    EXPECT_EQ(*r.find("010"), (Line{"010", "120 %", "Antigüedad", "$ 960,083", AmountColumn::haberes}));
    EXPECT_EQ(*r.find("078"), (Line{"078", "40 %", "As. por zona", "$ 320,0277", AmountColumn::haberes}));
}

// ---------------------------------------------------------------------------
// Decree supplement and national incentive, post mode

TEST(DecreeSupplement, TableByBracketAndPoints) {
    const struct {
        int bracket;
        const char* basic;
        const char* fullDay;
        int imp006;
    } cases[] = {
        {4, "971", "620", 380}, {1, "971", "620", 0},   {0, "971", "620", 0},   {4, "971", "0", 340},
        {3, "971", "0", 290},   {3, "972", "0", 180},   {3, "1169", "0", 180},  {3, "1170", "0", 240},
        {3, "1400", "0", 240},  {3, "1401", "0", 193},  {3, "1942", "0", 193},  {3, "1943", "0", 180},
        {3, "2220", "0", 180},  {3, "2221", "0", 0},    {5, "2221", "0", 140},  {8, "971", "0", 430},
        {7, "971", "0", 455},   {4, "972", "620", 350}, {4, "971", "619", 340}, {12, "3429", "0", 190},
        {12, "971", "839", 620}, {12, "1782", "839", 510}, {4, "971", "155", 340}, {0, "971", "0", 180},
        {2, "1000", "0", 90},   {10, "1500", "0", 330}, {9, "1200", "0", 395},
    };
    for (const auto& c : cases) {
        const Receipt r = calculate(positionInput(c.bracket), post("1", c.basic, "x", "0", "0", c.fullDay));
        ASSERT_EQ(r.result.status, RunStatus::done);
        EXPECT_EQ(r.state.imp006, Money::whole(c.imp006)) << c.bracket << " " << c.basic << " " << c.fullDay;
        EXPECT_EQ(r.find("006")->amountText, "$ " + moneyText(Money::whole(c.imp006), ','));
        EXPECT_TRUE(r.has("014"));
    }
}

TEST(DecreeSupplement, IncentiveAnd113ByFullDayPoints) {
    const struct {
        const char* fullDay;
        bool incentive;
        int imp084;
        int imp113;
    } cases[] = {
        {"0", true, 110, 100}, {"599", true, 110, 100}, {"600", true, 220, 200}, {"620", true, 220, 200},
        {"155", true, 110, 100}, {"0", false, 0, 100}, {"620", false, 0, 200},
    };
    for (const auto& c : cases) {
        PayInput in = positionInput(4);
        in.opincentivo = c.incentive;
        const Receipt r = calculate(in, post("1", "971", "x", "0", "0", c.fullDay));
        EXPECT_EQ(r.state.imp084, Money::whole(c.imp084)) << c.fullDay;
        EXPECT_EQ(r.state.imp113, Money::whole(c.imp113)) << c.fullDay;
        EXPECT_EQ(r.has("084"), c.imp084 > 0) << c.fullDay;
        EXPECT_TRUE(r.has("113"));
        EXPECT_EQ(r.find("113")->quantity, "");
    }
    const Receipt zero = calculate(positionInput(1), post813());
    EXPECT_EQ(zero.find("006")->amountText, "$ 0");
    EXPECT_EQ(zero.find("014")->amountText, "$ 0");
    const Receipt plain = calculate(positionInput(4), post("634", "971", "Maestro De Grado"));
    EXPECT_EQ(plain.state.imp014, money("23.8"));
}

// ---------------------------------------------------------------------------
// Productivity, absences, minimum-pay top-up, transport

TEST(Productivity, OnEveryReceiptWithTheLiteralQuantity) {
    for (const Receipt& r : {calculate(positionInput(), post813()), calculate(hoursInput(true, "0")),
                             calculate(hoursInput(false, "7"))}) {
        ASSERT_TRUE(r.has("188"));
        EXPECT_EQ(r.find("188")->quantity, "7.0");
        EXPECT_EQ(r.find("188")->conceptText, "Plus Productividad");
    }
    EXPECT_EQ(calculate(hoursInput(true, "0")).find("188")->amountText, "$ 0");
}

TEST(AbsenceReduction, ByDaysOfAbsence) {
    // 12 secondary hours: productivity plus 0.07 × 544.4117 = 38.1088.
    const struct {
        const char* days;
        const char* imp440;
    } cases[] = {
        {"0", "0"},       {"1", "9.5272"},  {"2", "19.0544"}, {"3", "28.5816"}, {"4", "38.1088"},
        {"3,5", "38.1088"}, {"1,5", "0"},   {"2,5", "0"},      {"-1", "0"},      {"1,0", "9.5272"},
    };
    for (const auto& c : cases) {
        PayInput in = hoursInput(true, "12");
        in.dinasist = c.days;
        const Receipt r = calculate(in);
        ASSERT_EQ(r.result.status, RunStatus::done) << c.days;
        EXPECT_EQ(r.state.imp188, money("38.1088"));
        EXPECT_EQ(r.state.imp440, money(c.imp440)) << c.days;
        EXPECT_EQ(r.find("188")->amountText, "$ 38,1088");
        const auto line = r.find("440");
        EXPECT_EQ(line.has_value(), r.state.imp440 > Money{}) << c.days;
        if (line) {
            EXPECT_EQ(*line, (Line{"440", c.days, "Reajuste cod. 188", "$ " + moneyText(money(c.imp440), ','),
                                   AmountColumn::descuentos}));
        }
        // The withheld part leaves the contribution base.
        EXPECT_EQ(r.state.contributionBase.raw,
                  r.state.imp001.raw + r.state.imp006.raw + r.state.imp014.raw + r.state.imp188.raw -
                      r.state.imp440.raw);
    }
    // Read whatever the state of the absences box.
    PayInput in = hoursInput(true, "12");
    in.inasist = false;
    in.dinasist = "2";
    EXPECT_EQ(calculate(in).state.imp440, money("19.0544"));
}

TEST(MinimumTopUp, WorkedExampleAndThresholds) {
    // A post of 901 points and nothing else: imp001 631.7812, 006 80, 014 5.6,
    // 084 110, 113 100, 188 44.2247; N is well under 1290.
    const Receipt low = calculate(positionInput(0), post("1", "901", "x"));
    ASSERT_TRUE(low.has("172"));
    const PayState& s = low.state;
    const double x = (s.imp001.raw + s.imp188.raw + s.imp084.raw + s.imp113.raw) / 10000.0;
    const double d = 0.196 * Money::fromRaw(s.contributionBase.raw - s.imp006.raw - s.imp014.raw).toDouble();
    EXPECT_EQ(s.imp172, *roundToMoney(1290 - (x - d)));
    EXPECT_EQ(low.find("172")->quantity, "");
    EXPECT_EQ(low.find("172")->conceptText, "Adic para mínimo");

    EXPECT_FALSE(calculate(positionInput(0), post("1", "900", "x")).has("172"));
    EXPECT_EQ(calculate(positionInput(0), post("1", "900", "x")).state.imp172, Money{});
    EXPECT_FALSE(calculate(hoursInput(true, "1")).has("172"));
    EXPECT_FALSE(calculate(positionInput(4), post813()).has("172"));

    // The top-up is not part of the contribution base.
    PayInput in = positionInput(0);
    in.Iosper = true;
    const Receipt withDeduction = calculate(in, post("1", "901", "x"));
    EXPECT_EQ(withDeduction.state.imp505, *roundToMoney(0.03 * withDeduction.state.contributionBase.toDouble()));
}

TEST(MinimumTopUp, ZonePartLeavesTheContributions) {
    PayInput in = positionInput(0);
    in.zona = 3;
    const Receipt r = calculate(in, post("1", "1000", "x"));
    const PayState& s = r.state;
    const Money z = *roundToMoney(1.07 * s.imp078.toDouble());
    const double x = Money::fromRaw(s.imp001.raw + s.imp010.raw + s.imp188.raw + s.imp084.raw + s.imp113.raw).toDouble();
    const double d = 0.196 * Money::fromRaw(s.contributionBase.raw - s.imp006.raw - s.imp014.raw - z.raw).toDouble();
    const double n = x - d;
    ASSERT_LT(n, 1290);
    EXPECT_EQ(s.imp172, *roundToMoney(1290 - n));
}

TEST(Transport, ByWeeklyKilometresWithACap) {
    const struct {
        const char* km;
        const char* amount;
    } cases[] = {
        {"0", "0"}, {"100", "78.1376"}, {"300", "234.4128"}, {"301", "234.61"}, {"1000", "234.61"},
        {"-10", "-7.8138"}, {"100,5", "78.1376"}, {"101,5", "79.7004"},
    };
    for (const auto& c : cases) {
        PayInput in = positionInput();
        in.transporte = true;
        in.cantkm = c.km;
        const Receipt r = calculate(in, post813());
        ASSERT_EQ(r.result.status, RunStatus::done) << c.km;
        EXPECT_EQ(r.state.imp029, money(c.amount)) << c.km;
        EXPECT_EQ(*r.find("029"),
                  (Line{"029", "", "transporte por KM", "$ " + moneyText(money(c.amount), ','), AmountColumn::haberes}));
    }
    PayInput off = positionInput();
    off.transporte = false;
    off.cantkm = "no se lee";
    const Receipt r = calculate(off, post813());
    ASSERT_EQ(r.result.status, RunStatus::done);
    EXPECT_FALSE(r.has("029"));
    EXPECT_EQ(r.state.imp029, Money{});
}

// ---------------------------------------------------------------------------
// Family allowances

TEST(FamilyAllowances, ChildRateFallsWithTheIncome) {
    const struct {
        const char* income;
        int perChild;
    } cases[] = {{"0", 102}, {"2300", 102}, {"2300.0001", 81}, {"3300", 81}, {"3300.0001", 61}, {"-5", 102}};
    for (const auto& c : cases) EXPECT_EQ(items::perChildAllowance(money(c.income)), c.perChild) << c.income;

    // On receipts: the income sum holds the full 188 and the top-up, not transport.
    for (const char* basic : {"901", "1000", "2221", "3000", "3429"}) {
        for (int zone : {-1, 4}) {
            PayInput in = positionInput(12);
            in.zona = zone;
            in.hijos = true;
            in.cantidadhijos = "3";
            in.transporte = true;
            in.cantkm = "300";
            in.inasist = true;
            in.dinasist = "5";
            const Receipt r = calculate(in, post("1", basic, "x"));
            const PayState& s = r.state;
            const Money income = Money::fromRaw(s.imp001.raw + s.imp002.raw + s.imp006.raw + s.imp014.raw +
                                                s.imp052.raw + s.imp016.raw + s.imp010.raw + s.imp188.raw +
                                                s.imp172.raw + s.imp078.raw + s.imp084.raw + s.imp113.raw);
            EXPECT_EQ(s.imp1001, Money::whole(3 * items::perChildAllowance(income))) << basic << " " << zone;
            EXPECT_EQ(*r.find("1001"), (Line{"1001", "3", "Sal fam hijo", "$ " + moneyText(s.imp1001, ','),
                                             AmountColumn::haberes}));
        }
    }
    // 12 secondary hours earn well under 2300: 102 a child.
    PayInput low = hoursInput(true, "12");
    low.hijos = true;
    low.cantidadhijos = "2";
    EXPECT_EQ(calculate(low).state.imp1001, Money::whole(204));
}

TEST(FamilyAllowances, LinesAndCounts) {
    struct Case {
        bool hijos;
        const char* children;
        bool hijosdisc;
        const char* disabled;
        bool conyuge;
        std::vector<std::string> codes;  // family lines in order
        const char* largeFamilyQty;
    };
    const Case cases[] = {
        {true, "0", false, "0", false, {"1001"}, nullptr},
        {true, "2", true, "1", false, {"1001", "1002", "1003"}, "3"},
        {false, "5", true, "3", false, {"1002", "1003"}, "3"},  // unticked children count as 0
        {false, "0", true, "0", false, {"1002"}, nullptr},
        {false, "0", false, "0", true, {"1010"}, nullptr},
        {true, "2,5", false, "0", false, {"1001"}, nullptr},  // 2,5 reads as 2
        {true, "1", true, "81", true, {"1001", "1002", "1003", "1010"}, "82"},
    };
    for (const Case& c : cases) {
        PayInput in = hoursInput(true, "12");
        in.hijos = c.hijos;
        in.cantidadhijos = c.children;
        in.hijosdisc = c.hijosdisc;
        in.cantidadhijosdisc = c.disabled;
        in.conyuge = c.conyuge;
        const Receipt r = calculate(in);
        ASSERT_EQ(r.result.status, RunStatus::done) << c.children << " " << c.disabled;
        std::vector<std::string> family;
        for (const Line& l : r.lines()) {
            if (l.code.size() == 4) family.push_back(l.code);
        }
        EXPECT_EQ(family, c.codes) << c.children << " " << c.disabled;
        if (c.largeFamilyQty) {
            EXPECT_EQ(*r.find("1003"), (Line{"1003", c.largeFamilyQty, "Familia numerosa", "$ 3", AmountColumn::haberes}));
        }
        if (c.conyuge) {
            EXPECT_EQ(*r.find("1010"), (Line{"1010", std::nullopt, "Sal fam Cony", "$ 15", AmountColumn::haberes}));
        }
    }
    PayInput many = hoursInput(true, "12");
    many.hijosdisc = true;
    many.cantidadhijosdisc = "81";
    const Receipt r81 = calculate(many);
    EXPECT_EQ(r81.state.imp1002, Money::whole(32400));
    EXPECT_EQ(r81.find("1002")->amountText, "$ 32400");
    many.cantidadhijosdisc = "82";
    const Receipt r82 = calculate(many);
    EXPECT_EQ(r82.result.status, RunStatus::invalidEntry);
    EXPECT_EQ(r82.result.field, InputField::cantidadhijosdisc);
    EXPECT_EQ(r82.result.error, NumberError::overflow);
    // The large-family total is an 8-bit sum.
    PayInput crowd = hoursInput(true, "12");
    crowd.hijos = crowd.hijosdisc = true;
    crowd.cantidadhijos = "200";
    crowd.cantidadhijosdisc = "56";
    EXPECT_EQ(calculate(crowd).result.status, RunStatus::invalidEntry);
    EXPECT_EQ(calculate(crowd).result.error, NumberError::overflow);
    crowd.cantidadhijosdisc = "55";
    EXPECT_EQ(calculate(crowd).find("1003")->quantity, "255");
}

// ---------------------------------------------------------------------------
// Deductions

TEST(Deductions, RatesQuantitiesAndOrder) {
    // A contribution base of exactly 1000: 1426.0981 hours would be messy; use a
    // post and read the base back from the state instead.
    PayInput in = positionInput(4);
    in.Iosper = in.Osplad = in.APORTEJUB = in.Ley4035 = in.ZELAN = in.cajacomp = in.Seguro3011 = true;
    const Receipt r = calculate(in, post813());
    const PayState& s = r.state;
    const double base = s.contributionBase.toDouble();
    const double unionBase = Money::fromRaw(s.contributionBase.raw + s.imp084.raw).toDouble();
    const std::vector<Line> expected = {
        {"505", "3 %", "IOSPER", "$ " + moneyText(*roundToMoney(0.03 * base), ','), AmountColumn::descuentos},
        {"508", "3 %", "OSPLAD", "$ " + moneyText(*roundToMoney(0.03 * base), ','), AmountColumn::descuentos},
        {"502", "16 %", "Aporte Jub.", "$ " + moneyText(*roundToMoney(0.16 * base), ','), AmountColumn::descuentos},
        {"504", "0,6 %", "Ley 4035", "$ " + moneyText(*roundToMoney(0.006 * base), ','), AmountColumn::descuentos},
        {"332", "2 %", "ZELAN", "$ " + moneyText(*roundToMoney(0.02 * unionBase), ','), AmountColumn::descuentos},
        {"512", "4,5 %", "Caja Comp.", "$ " + moneyText(*roundToMoney(0.045 * base), ','), AmountColumn::descuentos},
        {"510", "2 %", "Seguro 3011", "$ " + moneyText(*roundToMoney(0.02 * base), ','), AmountColumn::descuentos},
    };
    const std::vector<Line> lines = r.lines();
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<Line>(lines.end() - 7, lines.end()), expected);
    // The quantity texts keep their commas under a full-stop locale.
    const Receipt dot = calculate(in, post813(), '.');
    EXPECT_EQ(dot.find("504")->quantity, "0,6 %");
    EXPECT_EQ(dot.find("512")->quantity, "4,5 %");
}

TEST(Deductions, NoneWithoutTickedBoxes) {
    const Receipt r = calculate(positionInput(4), post813());
    for (const Line& l : r.lines()) EXPECT_EQ(l.column, AmountColumn::haberes) << l;
    EXPECT_EQ(r.state.totalDescuentos, Money{});
    EXPECT_EQ(r.sheet.tdescuentos, "$ 0");
}

}  // namespace
}  // namespace sueldara::test
