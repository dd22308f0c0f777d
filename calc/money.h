#pragma once
// Money: a signed 64-bit count of ten-thousandths. Sums are exact integer sums;
// a product with a rate is formed in double and rounded once, at the item that
// forms it.

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sueldara {

struct Money {
    static constexpr std::int64_t kScale = 10000;

    std::int64_t raw = 0;

    static constexpr Money fromRaw(std::int64_t r) { return Money{r}; }
    static constexpr Money whole(std::int64_t units) { return Money{units * kScale}; }

    // The amount as a double: raw / 10000.0.
    double toDouble() const { return static_cast<double>(raw) / 10000.0; }

    friend constexpr bool operator==(Money, Money) = default;
    friend constexpr auto operator<=>(Money, Money) = default;
};

// x rounded to the nearest ten-thousandth, halves to even: nearbyint(x * 10000.0)
// under the default rounding mode. Nothing when the result lies outside Money's
// range (or x is not finite): converting such a double to an integer is undefined.
std::optional<Money> roundToMoney(double x);

// Exact sum and difference; nothing on 64-bit overflow.
std::optional<Money> checkedAdd(Money a, Money b);
std::optional<Money> checkedSub(Money a, Money b);
// Exact product with a whole number; nothing on 64-bit overflow.
std::optional<Money> checkedMul(Money a, std::int64_t n);

// "2205,9752", "25,2", "3", "0", "-12,5": no grouping, trailing fraction zeros
// dropped, the given decimal separator.
std::string moneyText(Money m, char decimalSeparator);

// "$ " + moneyText, except on the "001" lines, which read "$" + moneyText.
std::string amountText(std::string_view code, Money m, char decimalSeparator);

}  // namespace sueldara
