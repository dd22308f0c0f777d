#include "number_input.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace sueldara {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A typed number split into its parts, as written.
struct Decimal {
    bool negative = false;
    std::string_view whole;     // integer digits, leading zeros removed
    std::string_view fraction;  // fraction digits as typed
};

bool parseDecimal(std::string_view text, char sep, Decimal& out) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && isBlank(text[i])) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        out.negative = text[i] == '-';
        ++i;
    }
    const std::size_t wholeStart = i;
    while (i < n && isDigit(text[i])) ++i;
    std::string_view whole = text.substr(wholeStart, i - wholeStart);
    std::string_view fraction;
    if (i < n && text[i] == sep) {
        ++i;
        const std::size_t fracStart = i;
        while (i < n && isDigit(text[i])) ++i;
        fraction = text.substr(fracStart, i - fracStart);
    }
    if (whole.empty() && fraction.empty()) return false;
    while (i < n && isBlank(text[i])) ++i;
    if (i != n) return false;
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    out.whole = whole;
    out.fraction = fraction;
    return true;
}

// Whether the digits after the rounding position round the kept value up,
// halves to even.
bool roundsUp(std::string_view dropped, bool keptIsOdd) {
    if (dropped.empty() || dropped.front() < '5') return false;
    if (dropped.front() > '5') return true;
    for (std::size_t k = 1; k < dropped.size(); ++k) {
        if (dropped[k] != '0') return true;
    }
    return keptIsOdd;
}

std::uint64_t digitsValue(std::string_view digits) {
    std::uint64_t v = 0;
    for (char c : digits) v = v * 10 + static_cast<std::uint64_t>(c - '0');
    return v;
}

// The number rounded to a whole number, within [low, high].
Read<std::int64_t> readRoundedWhole(std::string_view text, char sep, std::int64_t low, std::int64_t high) {
    Decimal d;
    if (!parseDecimal(text, sep, d)) return Read<std::int64_t>::failure(NumberError::typeMismatch);
    if (d.whole.size() > 18) return Read<std::int64_t>::failure(NumberError::overflow);
    std::uint64_t magnitude = digitsValue(d.whole);
    if (roundsUp(d.fraction, magnitude % 2 == 1)) ++magnitude;
    const std::int64_t value =
        d.negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    if (value < low || value > high) return Read<std::int64_t>::failure(NumberError::overflow);
    return Read<std::int64_t>::success(value);
}

}  // namespace

Read<std::int16_t> readInt16(std::string_view text, char decimalSeparator) {
    const auto r = readRoundedWhole(text, decimalSeparator, std::numeric_limits<std::int16_t>::min(),
                                    std::numeric_limits<std::int16_t>::max());
    if (!r) return Read<std::int16_t>::failure(r.error);
    return Read<std::int16_t>::success(static_cast<std::int16_t>(r.value));
}

Read<std::uint8_t> readUint8(std::string_view text, char decimalSeparator) {
    const auto r = readRoundedWhole(text, decimalSeparator, 0, 255);
    if (!r) return Read<std::uint8_t>::failure(r.error);
    return Read<std::uint8_t>::success(static_cast<std::uint8_t>(r.value));
}

Read<Money> readMoney(std::string_view text, char decimalSeparator) {
    Decimal d;
    if (!parseDecimal(text, decimalSeparator, d)) return Read<Money>::failure(NumberError::typeMismatch);
    // Money holds at most 922337203685477.5807: fifteen whole digits.
    if (d.whole.size() > 15) return Read<Money>::failure(NumberError::overflow);
    const std::string_view kept = d.fraction.substr(0, std::min<std::size_t>(4, d.fraction.size()));
    std::uint64_t magnitude = digitsValue(d.whole) * 10000;
    std::uint64_t frac = digitsValue(kept);
    for (std::size_t k = kept.size(); k < 4; ++k) frac *= 10;
    magnitude += frac;
    const std::string_view dropped = d.fraction.size() > 4 ? d.fraction.substr(4) : std::string_view{};
    if (roundsUp(dropped, magnitude % 2 == 1)) ++magnitude;
    const std::uint64_t limit = d.negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    if (magnitude > limit) return Read<Money>::failure(NumberError::overflow);
    const std::int64_t raw = d.negative ? static_cast<std::int64_t>(std::uint64_t{0} - magnitude)
                                        : static_cast<std::int64_t>(magnitude);
    return Read<Money>::success(Money::fromRaw(raw));
}

Read<double> readDouble(std::string_view text, char decimalSeparator) {
    Decimal d;
    if (!parseDecimal(text, decimalSeparator, d)) return Read<double>::failure(NumberError::typeMismatch);
    // Rewritten with a full stop for the locale-independent reader.
    std::string plain;
    plain.reserve(d.whole.size() + d.fraction.size() + 3);
    if (d.negative) plain.push_back('-');
    if (d.whole.empty()) plain.push_back('0');
    plain.append(d.whole);
    if (!d.fraction.empty()) {
        plain.push_back('.');
        plain.append(d.fraction);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // Too large for a double; a magnitude too small for one reads as zero.
        if (!d.whole.empty()) return Read<double>::failure(NumberError::overflow);
        return Read<double>::success(d.negative ? -0.0 : 0.0);
    }
    if (ec != std::errc{} || end != plain.data() + plain.size()) {
        return Read<double>::failure(NumberError::typeMismatch);
    }
    return Read<double>::success(value);
}

std::string doubleText(double value, char decimalSeparator) {
    if (value == 0) return "0";
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string text = ec == std::errc{} ? std::string(buffer, end) : std::string("0");
    for (char& c : text) {
        if (c == '.') c = decimalSeparator;
        else if (c == 'e') c = 'E';
    }
    return text;
}

std::string wholeText(std::int64_t value) {
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

}  // namespace sueldara
