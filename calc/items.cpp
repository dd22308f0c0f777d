#include "items.h"

#include <array>

#include "seniority.h"

namespace sueldara::items {

namespace {

Money whole(std::int64_t units) { return Money::whole(units); }

}  // namespace

// ---------------------------------------------------------------------------
// Post pay: basic points, basic complement, full-day and prolonged-day points,
// differentiated-task points.

constexpr double kPointValue = 0.7012;         // basic points, complement, task points
constexpr double kDayExtensionPointValue = 0.857;  // full-day and prolonged-day points

void positionPay(Run& run) {
    PayState& st = run.st;
    st.cantidad.assign(1, '1');  // the quantity of a post
    st.punbas = run.int16(InputField::punbas);

    run.header.Label11 = "Código del cargo";
    run.header.numcargo = run.pos.codigocargo;
    run.header.punbasicos = run.pos.puntosbasicos;
    run.header.carsel = run.pos.cargox;

    st.imp001 = run.roundedFrom(InputField::punbas, static_cast<double>(st.punbas) * kPointValue);

    st.jorcom = run.int16(InputField::jorcom);
    st.proljor = run.int16(InputField::proljor);
    st.tardif = run.money(InputField::tardif);

    st.compbas = run.number(InputField::compbas);
    st.imp002 = run.roundedFrom(InputField::compbas, kPointValue * st.compbas);

    // The full-day term counts even when negative; the prolonged-day term only
    // from one point up.
    const Money fullDay = run.roundedFrom(InputField::jorcom, static_cast<double>(st.jorcom) * kDayExtensionPointValue);
    const Money prolonged = st.proljor >= 1
        ? run.roundedFrom(InputField::proljor, static_cast<double>(st.proljor) * kDayExtensionPointValue)
        : Money{};
    st.imp052 = run.sum({fullDay, prolonged});

    st.imp016 = run.roundedFrom(InputField::tardif, st.tardif.toDouble() * kPointValue);

    run.header.positionPointsShown = true;

    run.append("001", st.cantidad, "Asign. de la categoría", st.imp001);
    if (st.compbas > 0) {
        run.append("002", "", "Comp. de Básico", st.imp002);
    } else {
        st.imp002 = Money{};
    }
    // Both 052 lines show the combined amount; a catalogue post has at most one.
    if (st.jorcom >= 1) run.append("052", "", "Jornada completa", st.imp052);
    if (st.proljor >= 1) run.append("052", "", "Prol. de Jornada", st.imp052);
    if (st.tardif > Money{}) {
        run.append("016", "", "Tarea diferenciada", st.imp016);
    } else {
        st.imp016 = Money{};
    }
}

// Decree 5863/05 supplement by seniority bracket (rows: none, then brackets 1
// to 12) and by the post's points (columns). The amounts are whole pesos and
// are not monotonic; they are used as listed.
constexpr int kDecreeColumns = 8;
constexpr std::array<std::array<int, kDecreeColumns>, 13> kDecreeTable = {{
    //  <=971  972-1169 1170-1400 1401-1942 1943-2220 >=2221  full<=971 full>=972
    {180, 80, 0, 0, 0, 0, 0, 0},          // no bracket chosen
    {180, 80, 0, 0, 0, 0, 0, 0},          // Menos de 1 año
    {195, 90, 0, 0, 0, 0, 0, 0},          // Entre 1 y 2 años
    {290, 180, 240, 193, 180, 0, 220, 220},  // Entre 2 y 5 años
    {340, 195, 240, 193, 180, 0, 380, 350},  // Entre 5 y 7 años
    {370, 210, 250, 200, 180, 140, 440, 400},  // Entre 7 y 10 años
    {395, 230, 250, 200, 180, 140, 475, 435},  // Entre 10 y 12 años
    {455, 260, 260, 203, 190, 160, 510, 450},  // Entre 12 y 15 años
    {430, 285, 285, 230, 190, 160, 525, 465},  // Entre 15 y 17 años
    {515, 345, 395, 340, 280, 180, 555, 475},  // Entre 17 y 20 años
    {635, 435, 410, 330, 310, 180, 590, 490},  // Entre 20 y 22 años
    {710, 495, 430, 330, 320, 190, 615, 505},  // Entre 22 y 24 años
    {730, 510, 480, 335, 330, 190, 620, 510},  // Más de 24 años
}};
constexpr int kDecreeFullDayPoints = 620;      // full-day columns of the decree table
constexpr int kIncentiveFullDayPoints = 600;   // doubled 084 and 113

int decreeColumn(int basicPoints, int fullDayPoints) {
    if (fullDayPoints >= kDecreeFullDayPoints) return basicPoints <= 971 ? 6 : 7;
    if (basicPoints <= 971) return 0;
    if (basicPoints <= 1169) return 1;
    if (basicPoints <= 1400) return 2;
    if (basicPoints <= 1942) return 3;
    if (basicPoints <= 2220) return 4;
    return 5;
}

void positionDecreeAmounts(Run& run) {
    PayState& st = run.st;
    int bracket = run.in.tramoantig;
    if (bracket < 0 || bracket > 12) bracket = 0;
    st.imp006 = whole(kDecreeTable[static_cast<std::size_t>(bracket)]
                                  [static_cast<std::size_t>(decreeColumn(st.punbas, st.jorcom))]);
    const bool fullDay = st.jorcom >= kIncentiveFullDayPoints;
    st.imp084 = run.in.opincentivo ? whole(fullDay ? 220 : 110) : Money{};
    st.imp113 = whole(fullDay ? 200 : 100);
}

// ---------------------------------------------------------------------------
// Hours pay.

struct HoursRules {
    InputField hoursField;
    double pointsPerHour;
    const char* headerCaption;
    const char* conceptText;
    double decreeRatePerHour;
    double decreeHourCap;
    int decreeCappedAmount;
    double incentiveRatePerHour;
    int incentiveCap;
    double item113RatePerHour;
    int item113Cap;
    // Hours shown at or above which the quantity column shows the cap.
    int decreeQuantityCap;
    int incentiveQuantityCap;
    int item113QuantityCap;
};

constexpr HoursRules kSecondaryHours{InputField::numerohorasmed, 64.7, "Horas de nivel medio", "Hs. N. Medio",
                                     9.4, 30, 282, 7.33, 220, 6.66, 200, 30, 30, 30};
constexpr HoursRules kHigherHours{InputField::numerohorassup, 86.9, "Horas de nivel superior", "Hs. N. Superior",
                                  9.4, 15, 141, 9.166, 220, 8.333, 200, 15, 24, 24};

const HoursRules& hoursRules(HoursLevel level) {
    return level == HoursLevel::medio ? kSecondaryHours : kHigherHours;
}

HoursLevel levelOf(const Run& run) {
    return run.in.cargo || run.in.horasmedio ? HoursLevel::medio : HoursLevel::superior;
}

const std::string& hoursText(const Run& run, HoursLevel level) {
    return level == HoursLevel::medio ? run.in.numerohorasmed : run.in.numerohorassup;
}

void hoursPay(Run& run, HoursLevel level) {
    const HoursRules& rules = hoursRules(level);
    PayState& st = run.st;
    const std::string& typed = hoursText(run, level);

    st.hours = run.number(rules.hoursField);
    const double points = st.hours * rules.pointsPerHour;
    st.imp001 = run.roundedFrom(rules.hoursField, points * kPointValue);

    run.header.Label11 = "Cantidad de horas";
    run.header.numcargo = typed;
    run.header.punbasicos = doubleText(points, run.sep);
    run.header.carsel = rules.headerCaption;
    run.header.positionPointsShown = false;

    st.cantidad = typed;
    run.append("001", st.cantidad, rules.conceptText, st.imp001);

    // 006: capped on the hours, no lower bound.
    run.hours06 = run.number(InputField::numhorascod06);
    st.imp006 = run.hours06 >= rules.decreeHourCap
        ? whole(rules.decreeCappedAmount)
        : run.roundedFrom(InputField::numhorascod06, run.hours06 * rules.decreeRatePerHour);

    // 084: nothing for no hours; capped on the product.
    run.hoursIncentive = run.number(InputField::numhorasincen);
    if (run.hoursIncentive <= 0) {
        st.imp084 = Money{};
    } else {
        const double p = run.hoursIncentive * rules.incentiveRatePerHour;
        st.imp084 = p >= rules.incentiveCap ? whole(rules.incentiveCap) : run.roundedFrom(InputField::numhorasincen, p);
    }

    // 113: capped on the product, no lower bound.
    run.hours113 = run.number(InputField::numhorascod113);
    const double p113 = run.hours113 * rules.item113RatePerHour;
    st.imp113 = p113 >= rules.item113Cap ? whole(rules.item113Cap) : run.roundedFrom(InputField::numhorascod113, p113);
}

// ---------------------------------------------------------------------------
// Seniority and zone: percentages of the post's or the hours' pay.

Money percentOf(Run& run, Money base, int percent) {
    return run.rounded(run.times(base, percent).toDouble() / 100.0);
}

void seniorityAndZone(Run& run) {
    PayState& st = run.st;
    const Money base = run.sum({st.imp001, st.imp002, st.imp016, st.imp052});

    st.imp010 = percentOf(run, base, run.in.porcentajeantig);
    if (run.in.porcentajeantig != 0) {
        run.append("010", run.in.porcantig, "Antigüedad", st.imp010);
    }

    st.porcentajezona = zonePercent(run.in.zona);
    if (st.porcentajezona != 0) {
        st.imp078 = percentOf(run, base, st.porcentajezona);
        std::string quantity = wholeText(st.porcentajezona);
        quantity += " %";
        run.append("078", std::move(quantity), "As. por zona", st.imp078);
    } else {
        st.imp078 = Money{};
    }
}

// ---------------------------------------------------------------------------
// Decree lines and the national incentive.

constexpr double kDecreeProductivityRate = 0.07;  // 014 on 006

std::string cappedHoursText(double hours, int cap, const std::string& typed) {
    return hours >= cap ? wholeText(cap) : typed;
}

void decreeLines(Run& run) {
    PayState& st = run.st;
    const bool position = run.in.cargo;
    const HoursRules& rules = hoursRules(levelOf(run));

    run.append("006", position ? std::string() : cappedHoursText(run.hours06, rules.decreeQuantityCap, run.in.numhorascod06),
               "Adic. Art 2 y 3 Dcrto 5863/05", st.imp006);

    st.imp014 = run.rounded(st.imp006.toDouble() * kDecreeProductivityRate);
    // 0.7 written with the locale's separator, while the amount is 7 % of 006.
    const char quantity014[] = {'0', run.sep, '7', '\0'};
    run.append("014", quantity014, "Product Dcrto 5863/05", st.imp014);

    if (st.imp084 > Money{}) {
        run.append("084",
                   position ? std::string()
                            : cappedHoursText(run.hoursIncentive, rules.incentiveQuantityCap, run.in.numhorasincen),
                   "Incentivo de Nación", st.imp084);
    }

    run.append("113",
               position ? std::string() : cappedHoursText(run.hours113, rules.item113QuantityCap, run.in.numhorascod113),
               "Negro de Nación", st.imp113);
}

// ---------------------------------------------------------------------------
// Productivity plus, absences, contribution base, minimum-pay top-up, transport.

constexpr double kProductivityRate = 0.07;

void productivity(Run& run) {
    PayState& st = run.st;
    const Money base = run.sum({st.imp001, st.imp002, st.imp016, st.imp052, st.imp010, st.imp078});
    st.imp188 = run.rounded(kProductivityRate * base.toDouble());
    run.append("188", "7.0", "Plus Productividad", st.imp188);
}

void absenceReduction(Run& run) {
    PayState& st = run.st;
    // Read on every run, whatever the state of the absences box.
    st.absenceDays = run.number(InputField::dinasist);
    const double d = st.absenceDays;
    if (d == 1) {
        st.imp440 = run.rounded(0.25 * st.imp188.toDouble());
    } else if (d == 2) {
        st.imp440 = run.rounded(0.5 * st.imp188.toDouble());
    } else if (d == 3) {
        st.imp440 = run.rounded(0.75 * st.imp188.toDouble());
    } else if (d > 3) {
        st.imp440 = st.imp188;
    } else {
        st.imp440 = Money{};
    }
}

void contributionBase(Run& run) {
    PayState& st = run.st;
    const Money gross = run.sum({st.imp001, st.imp002, st.imp016, st.imp052, st.imp078, st.imp010, st.imp006,
                                 st.imp014, st.imp188});
    st.contributionBase = run.difference(gross, st.imp440);
}

constexpr int kMinimumBasicPoints = 900;   // posts above this many points are topped up
constexpr double kGuaranteedNetPay = 1290;
constexpr double kZoneContributionFactor = 1.07;
constexpr double kEmployeeContributionRate = 0.196;

void minimumTopUp(Run& run) {
    PayState& st = run.st;
    if (!run.in.cargo || st.punbas <= kMinimumBasicPoints) {
        st.imp172 = Money{};
        return;
    }
    const Money payBeforeContributions =
        run.sum({st.imp001, st.imp002, st.imp010, st.imp016, st.imp052, st.imp188, st.imp084, st.imp113});
    const Money zonePart = run.rounded(kZoneContributionFactor * st.imp078.toDouble());
    const Money contributed =
        run.difference(run.difference(run.difference(st.contributionBase, st.imp006), st.imp014), zonePart);
    const double contributions = kEmployeeContributionRate * contributed.toDouble();
    const double net = payBeforeContributions.toDouble() - contributions;
    if (net < kGuaranteedNetPay) {
        st.imp172 = run.rounded(kGuaranteedNetPay - net);
        run.append("172", "", "Adic para mínimo", st.imp172);
    } else {
        st.imp172 = Money{};
    }
}

constexpr double kTransportTestRatePerKm = 0.13472;
constexpr double kTransportTestLimit = 161.8;
constexpr double kTransportRatePerKm = 0.195344;
constexpr double kTransportCap = 234.61;
constexpr double kWeeksPerMonth = 4;

void transport(Run& run) {
    PayState& st = run.st;
    if (!run.in.transporte) {
        st.transportKm = 0;
        st.imp029 = Money{};
        return;
    }
    st.transportKm = run.int16(InputField::cantkm);
    const double km = st.transportKm;
    const double test = km * kTransportTestRatePerKm * kWeeksPerMonth;
    const double amount = test >= kTransportTestLimit ? kTransportCap : km * kTransportRatePerKm * kWeeksPerMonth;
    st.imp029 = run.roundedFrom(InputField::cantkm, amount);
    run.append("029", "", "transporte por KM", st.imp029);
}

// ---------------------------------------------------------------------------
// Family allowances.

struct ChildRate {
    std::int64_t incomeUpTo;  // whole pesos, inclusive; the last row has no limit
    int perChild;
};
constexpr std::array<ChildRate, 2> kChildRates = {{{2300, 102}, {3300, 81}}};
constexpr int kChildRateAbove = 61;
constexpr int kDisabledChildAmount = 400;
constexpr int kLargeFamilyChildren = 3;
constexpr int kLargeFamilyAmount = 3;
constexpr int kSpouseAmount = 15;

int perChildAllowance(Money income) {
    for (const ChildRate& rate : kChildRates) {
        if (income <= whole(rate.incomeUpTo)) return rate.perChild;
    }
    return kChildRateAbove;
}

void childAllowance(Run& run) {
    PayState& st = run.st;
    if (!run.in.hijos) {
        st.childCount = 0;
        st.imp1001 = Money{};
        return;
    }
    st.childCount = run.uint8(InputField::cantidadhijos);
    // The income test holds the full productivity plus and the top-up, not transport.
    const Money income = run.sum({st.imp001, st.imp002, st.imp006, st.imp014, st.imp052, st.imp016, st.imp010,
                                  st.imp188, st.imp172, st.imp078, st.imp084, st.imp113});
    st.imp1001 = whole(static_cast<std::int64_t>(st.childCount) * perChildAllowance(income));
    run.append("1001", wholeText(st.childCount), "Sal fam hijo", st.imp1001);
}

void disabledChildAllowance(Run& run) {
    PayState& st = run.st;
    if (!run.in.hijosdisc) {
        st.disabledChildCount = 0;
        st.imp1002 = Money{};
        return;
    }
    st.disabledChildCount = run.uint8(InputField::cantidadhijosdisc);
    // Formed as a 16-bit whole number: 82 disabled children or more overflow it.
    const int amount = st.disabledChildCount * kDisabledChildAmount;
    if (amount > 32767) throw InvalidEntry{InputField::cantidadhijosdisc, NumberError::overflow};
    st.imp1002 = whole(amount);
    run.append("1002", wholeText(st.disabledChildCount), "Sal fam hijo diferenciado", st.imp1002);
}

void largeFamily(Run& run) {
    PayState& st = run.st;
    // An 8-bit sum: a total above 255 overflows.
    const int total = st.childCount + st.disabledChildCount;
    if (total > 255) throw InvalidEntry{InputField::cantidadhijosdisc, NumberError::overflow};
    if (total >= kLargeFamilyChildren) {
        st.imp1003 = kLargeFamilyAmount;
        run.append("1003", wholeText(total), "Familia numerosa", whole(st.imp1003));
    } else {
        st.imp1003 = 0;
    }
}

void spouseAllowance(Run& run) {
    PayState& st = run.st;
    if (run.in.conyuge) {
        st.imp1010 = whole(kSpouseAmount);
        run.appendWithoutQuantity("1010", "Sal fam Cony", st.imp1010);
    } else {
        st.imp1010 = Money{};
    }
}

// ---------------------------------------------------------------------------
// Deductions.

void absenceAdjustment(Run& run) {
    if (run.st.imp440 > Money{}) {
        run.append("440", run.in.dinasist, "Reajuste cod. 188", run.st.imp440, AmountColumn::descuentos);
    }
}

struct Deduction {
    bool PayInput::*box;
    Money PayState::*amount;
    const char* code;
    const char* conceptText;
    double rate;
    const char* quantity;
    bool addsIncentive;  // union dues also apply to line 084
};

constexpr std::array<Deduction, 7> kDeductions = {{
    {&PayInput::Iosper, &PayState::imp505, "505", "IOSPER", 0.03, "3 %", false},
    {&PayInput::Osplad, &PayState::imp508, "508", "OSPLAD", 0.03, "3 %", false},
    {&PayInput::APORTEJUB, &PayState::imp502, "502", "Aporte Jub.", 0.16, "16 %", false},
    {&PayInput::Ley4035, &PayState::imp504, "504", "Ley 4035", 0.006, "0,6 %", false},
    {&PayInput::ZELAN, &PayState::imp332, "332", "ZELAN", 0.02, "2 %", true},
    {&PayInput::cajacomp, &PayState::imp512, "512", "Caja Comp.", 0.045, "4,5 %", false},
    {&PayInput::Seguro3011, &PayState::imp510, "510", "Seguro 3011", 0.02, "2 %", false},
}};

void deductions(Run& run) {
    PayState& st = run.st;
    for (const Deduction& d : kDeductions) {
        if (!(run.in.*d.box)) {
            st.*d.amount = Money{};
            continue;
        }
        const Money base = d.addsIncentive ? run.sum({st.contributionBase, st.imp084}) : st.contributionBase;
        st.*d.amount = run.rounded(d.rate * base.toDouble());
        run.append(d.code, d.quantity, d.conceptText, st.*d.amount, AmountColumn::descuentos);
    }
}

}  // namespace sueldara::items
