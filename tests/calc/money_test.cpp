#include <gtest/gtest.h>

#include <limits>

#include "money.h"

namespace sueldara {
namespace {

TEST(MoneyText, WritesPlainDecimalsWithoutTrailingZeros) {
    struct Case {
        std::int64_t raw;
        char sep;
        const char* text;
    };
    const Case cases[] = {
        {22059752, ',', "2205,9752"}, {252000, ',', "25,2"}, {30000, ',', "3"},     {0, ',', "0"},
        {5000, ',', "0,5"},           {1, ',', "0,0001"},    {-125000, ',', "-12,5"}, {-1, ',', "-0,0001"},
        {252000, '.', "25.2"},        {123456789, ',', "12345,6789"}, {100000000, ',', "10000"},
        {std::numeric_limits<std::int64_t>::max(), ',', "922337203685477,5807"},
        {std::numeric_limits<std::int64_t>::min(), ',', "-922337203685477,5808"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(moneyText(Money::fromRaw(c.raw), c.sep), c.text) << c.raw;
    }
}

TEST(AmountText, DollarSignWithBlankExceptOnLine001) {
    EXPECT_EQ(amountText("001", Money::fromRaw(22059752), ','), "$2205,9752");
    EXPECT_EQ(amountText("001", Money::whole(2000), ','), "$2000");
    EXPECT_EQ(amountText("002", Money::fromRaw(252432), ','), "$ 25,2432");
    EXPECT_EQ(amountText("010", Money::whole(3), ','), "$ 3");
    EXPECT_EQ(amountText("1010", Money::fromRaw(5000), ','), "$ 0,5");
    EXPECT_EQ(amountText("505", Money::fromRaw(-125000), ','), "$ -12,5");
}

TEST(RoundToMoney, NearestTenThousandthHalvesToEven) {
    struct Case {
        double x;
        std::int64_t raw;
    };
    // 0.00005, 0.00025, 0.00035 and 0.00125 scale to exact halves.
    const Case cases[] = {
        {0.00005, 0},  {0.00025, 2},  {0.00035, 4},  {0.00125, 12}, {-0.00025, -2},
        {544.41168, 5444117}, {240.02076, 2400208}, {0.0, 0}, {-13.32, -133200},
    };
    for (const Case& c : cases) {
        const auto m = roundToMoney(c.x);
        ASSERT_TRUE(m.has_value()) << c.x;
        EXPECT_EQ(m->raw, c.raw) << c.x;
    }
}

TEST(RoundToMoney, RefusesWhatMoneyCannotHold) {
    EXPECT_FALSE(roundToMoney(1e15).has_value());
    EXPECT_FALSE(roundToMoney(-1e15).has_value());
    EXPECT_FALSE(roundToMoney(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_FALSE(roundToMoney(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_TRUE(roundToMoney(9.2e14).has_value());
    EXPECT_TRUE(roundToMoney(-922337203685477.5).has_value());
}

TEST(CheckedMoney, DetectsOverflowAndIsExactOtherwise) {
    const Money max = Money::fromRaw(std::numeric_limits<std::int64_t>::max());
    EXPECT_FALSE(checkedAdd(max, Money::fromRaw(1)).has_value());
    EXPECT_FALSE(checkedSub(Money::fromRaw(std::numeric_limits<std::int64_t>::min()), Money::fromRaw(1)).has_value());
    EXPECT_FALSE(checkedMul(Money::whole(100000000000000), 120).has_value());
    EXPECT_EQ(checkedAdd(Money::fromRaw(1), Money::fromRaw(2))->raw, 3);
    EXPECT_EQ(checkedMul(Money::fromRaw(8000692), 30)->raw, 240020760);
}

}  // namespace
}  // namespace sueldara
