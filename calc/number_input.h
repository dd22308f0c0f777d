#pragma once
// Reading typed numbers. A number is
//   [blanks] [+|-] ( digits [sep [digits]] | sep digits ) [blanks]
// where sep is the user's decimal separator (',' or '.'). Nothing else is a
// number: no exponents, no grouping, not the other separator. Integer and Money
// targets round the number exactly as written in decimal (halves to even);
// doubles are the correctly rounded value of the text.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "money.h"

namespace sueldara {

enum class NumberError { typeMismatch, overflow };

template <typename T>
struct Read {
    T value{};
    bool ok = false;
    NumberError error = NumberError::typeMismatch;

    static Read success(T v) { return Read{v, true, NumberError::typeMismatch}; }
    static Read failure(NumberError e) { return Read{T{}, false, e}; }
    explicit operator bool() const { return ok; }
};

Read<std::int16_t> readInt16(std::string_view text, char decimalSeparator);
Read<std::uint8_t> readUint8(std::string_view text, char decimalSeparator);
Read<double> readDouble(std::string_view text, char decimalSeparator);
Read<Money> readMoney(std::string_view text, char decimalSeparator);

// A double written with at most 15 significant digits and the given separator,
// as the hours header shows the points: 776.4 gives "776,4"; very large or very
// small magnitudes use an exponent ("1E+20").
std::string doubleText(double value, char decimalSeparator);

// A whole number in decimal.
std::string wholeText(std::int64_t value);

}  // namespace sueldara
