#include "money.h"

#include <cmath>
#include <limits>

namespace sueldara {

std::optional<Money> roundToMoney(double x) {
    const double scaled = std::nearbyint(x * 10000.0);
    // 2^63 is exactly representable; every double below it converts safely.
    constexpr double kLimit = 9223372036854775808.0;
    if (!(scaled >= -kLimit && scaled < kLimit)) {
        return std::nullopt;
    }
    return Money::fromRaw(static_cast<std::int64_t>(scaled));
}

std::optional<Money> checkedAdd(Money a, Money b) {
    std::int64_t r;
    if (__builtin_add_overflow(a.raw, b.raw, &r)) return std::nullopt;
    return Money::fromRaw(r);
}

std::optional<Money> checkedSub(Money a, Money b) {
    std::int64_t r;
    if (__builtin_sub_overflow(a.raw, b.raw, &r)) return std::nullopt;
    return Money::fromRaw(r);
}

std::optional<Money> checkedMul(Money a, std::int64_t n) {
    std::int64_t r;
    if (__builtin_mul_overflow(a.raw, n, &r)) return std::nullopt;
    return Money::fromRaw(r);
}

std::string moneyText(Money m, char decimalSeparator) {
    const bool negative = m.raw < 0;
    // Magnitude as unsigned, so that the most negative value has one too.
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(m.raw) : static_cast<std::uint64_t>(m.raw);
    const std::uint64_t whole = magnitude / 10000;
    std::uint64_t fraction = magnitude % 10000;

    std::string text;
    if (negative) text.push_back('-');
    char digits[24];
    int n = 0;
    std::uint64_t w = whole;
    do {
        digits[n++] = static_cast<char>('0' + w % 10);
        w /= 10;
    } while (w != 0);
    while (n > 0) text.push_back(digits[--n]);

    if (fraction != 0) {
        char frac[4];
        for (int i = 3; i >= 0; --i) {
            frac[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        int len = 4;
        while (frac[len - 1] == '0') --len;
        text.push_back(decimalSeparator);
        text.append(frac, static_cast<std::size_t>(len));
    }
    return text;
}

std::string amountText(std::string_view code, Money m, char decimalSeparator) {
    std::string text = code == "001" ? "$" : "$ ";
    text += moneyText(m, decimalSeparator);
    return text;
}

}  // namespace sueldara
