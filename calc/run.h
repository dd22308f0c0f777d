#pragma once
// One calculation in progress: the inputs, the fresh run state, the header and
// the lines gathered so far. The items read and write it in the run's fixed
// order; the sheet is written only once the whole run has succeeded, so a run
// that stops at an invalid entry leaves the previous receipt untouched.

#include <array>
#include <initializer_list>
#include <string>

#include "calculation.h"

namespace sueldara {

// Thrown by a reader or a checked operation; caught by runCalculation.
struct InvalidEntry {
    InputField field;
    NumberError error;
};

struct PendingHeader {
    std::string Label11;
    std::string numcargo;
    std::string punbasicos;
    std::string carsel;
    bool positionPointsShown = false;
};

class Run {
public:
    static constexpr int kMaxLines = kSheetRows - 1;

    Run(const PayInput& input, const SelectedPosition& position, char decimalSeparator)
        : in(input), pos(position), sep(decimalSeparator) {}

    const PayInput& in;
    const SelectedPosition& pos;
    const char sep;

    PayState st;
    PendingHeader header;
    std::array<ReceiptLine, kMaxLines> lines;
    int lineCount = 0;

    // The hour counts of the hours modes, as numbers.
    double hours06 = 0;
    double hoursIncentive = 0;
    double hours113 = 0;

    void append(std::string_view code, std::string quantity, std::string_view conceptText, Money amount,
                AmountColumn column = AmountColumn::haberes);
    void appendWithoutQuantity(std::string_view code, std::string_view conceptText, Money amount);

    // Readers: the text of a field as the target type, or an InvalidEntry.
    std::int16_t int16(InputField field);
    std::uint8_t uint8(InputField field);
    double number(InputField field);
    Money money(InputField field);

    // A product fed by one typed field, rounded to Money; an out-of-range
    // result is an overflow of that field. The amount also marks the field as
    // the one that feeds the largest amount so far.
    Money roundedFrom(InputField field, double x);
    // A product or sum derived from earlier amounts; an overflow is charged to
    // the field that feeds the largest amount of the run.
    Money rounded(double x);
    Money sum(std::initializer_list<Money> terms);
    Money difference(Money a, Money b);
    Money times(Money a, std::int64_t n);

private:
    std::string_view text(InputField field) const;
    [[noreturn]] void fail(InputField field, NumberError error) const;
    [[noreturn]] void overflow() const;
    void note(InputField field, Money amount);

    InputField dominantField_ = InputField::punbas;
    std::uint64_t dominantMagnitude_ = 0;
    bool dominantSet_ = false;
};

}  // namespace sueldara
