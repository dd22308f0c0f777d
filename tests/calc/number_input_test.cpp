#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "number_input.h"

namespace sueldara {
namespace {

// Texts that are not numbers under the given separator.
TEST(NumberInput, RejectsWhatIsNotANumber) {
    const struct {
        const char* text;
        char sep;
    } cases[] = {
        {"", ','},      {"   ", ','},  {"abc", ','},  {"12a", ','},  {"1,2,3", ','}, {"1.5", ','},
        {"1,5", '.'},   {"1.000,5", ','}, {"1e3", ','}, {"1E3", '.'}, {",", ','},   {"+", ','},
        {"-", ','},     {"--1", ','},  {"+-1", ','},  {"1 2", ','},  {"$12", ','},  {"12%", ','},
        {"0x10", ','},  {"inf", '.'},  {"nan", '.'},  {"1,,", ','},  {"- 1", ','},
    };
    for (const auto& c : cases) {
        const std::string where = std::string("'") + c.text + "' sep '" + c.sep + "'";
        EXPECT_EQ(readInt16(c.text, c.sep).error, NumberError::typeMismatch) << where;
        EXPECT_FALSE(readInt16(c.text, c.sep)) << where;
        EXPECT_FALSE(readUint8(c.text, c.sep)) << where;
        EXPECT_FALSE(readDouble(c.text, c.sep)) << where;
        EXPECT_EQ(readDouble(c.text, c.sep).error, NumberError::typeMismatch) << where;
        EXPECT_FALSE(readMoney(c.text, c.sep)) << where;
        EXPECT_EQ(readMoney(c.text, c.sep).error, NumberError::typeMismatch) << where;
    }
}

TEST(NumberInput, WholeNumbersRoundAsWrittenHalvesToEven) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"0", 0},       {"12", 12},     {"  12  ", 12}, {"\t7", 7},     {"+5", 5},      {"-5", -5},
        {"0,5", 0},     {"1,5", 2},     {"2,5", 2},     {"3,5", 4},     {"-2,5", -2},   {"-3,5", -4},
        {"2,50000000000000000001", 3},  {"2,4999999999999999999", 2},   {"12,", 12},    {",6", 1},
        {"007", 7},     {"-0,4", 0},    {"32767", 32767}, {"-32768", -32768}, {"32767,4", 32767},
        {"-32768,5", -32768},
    };
    for (const auto& c : cases) {
        const auto r = readInt16(c.text, ',');
        ASSERT_TRUE(r) << c.text;
        EXPECT_EQ(r.value, c.expected) << c.text;
    }
}

TEST(NumberInput, WholeNumbersOutOfRangeOverflow) {
    for (const char* text : {"32768", "-32769", "32767,5", "-32768,6", "99999999999999999999999", "1000000"}) {
        const auto r = readInt16(text, ',');
        EXPECT_FALSE(r) << text;
        EXPECT_EQ(r.error, NumberError::overflow) << text;
    }
    EXPECT_EQ(readUint8("255", ',').value, 255);
    EXPECT_EQ(readUint8("255,4", ',').value, 255);
    EXPECT_EQ(readUint8("-0,5", ',').value, 0);
    for (const char* text : {"256", "255,5", "-1", "-0,6", "1000"}) {
        const auto r = readUint8(text, ',');
        EXPECT_FALSE(r) << text;
        EXPECT_EQ(r.error, NumberError::overflow) << text;
    }
}

TEST(NumberInput, MoneyRoundsToTenThousandthsAsWritten) {
    const struct {
        const char* text;
        std::int64_t raw;
    } cases[] = {
        {"150", 1500000},          {"36,5", 365000},         {"0,00005", 0},           {"0,00015", 2},
        {"0,00025", 2},            {"0,000250001", 3},       {"-0,00015", -2},         {"1,23456", 12346},
        {"922337203685477,5807", 9223372036854775807},       {"-922337203685477,5808", INT64_MIN},
        {"922337203685477,58064", 9223372036854775806},      {",5", 5000},
    };
    for (const auto& c : cases) {
        const auto r = readMoney(c.text, ',');
        ASSERT_TRUE(r) << c.text;
        EXPECT_EQ(r.value.raw, c.raw) << c.text;
    }
    for (const char* text : {"922337203685477,5808", "-922337203685477,5809", "1000000000000000"}) {
        const auto r = readMoney(text, ',');
        EXPECT_FALSE(r) << text;
        EXPECT_EQ(r.error, NumberError::overflow) << text;
    }
}

TEST(NumberInput, DoublesAreTheCorrectlyRoundedValue) {
    const struct {
        const char* text;
        char sep;
        double expected;
    } cases[] = {
        {"12,5", ',', 12.5}, {"12.5", '.', 12.5}, {"0,1", ',', 0.1}, {"-2", ',', -2.0},
        {"29,9", ',', 29.9}, {" 1,5 ", ',', 1.5}, {",25", ',', 0.25}, {"3,", ',', 3.0},
        {"0,30000000000000000000000000001", ',', 0.3},
    };
    for (const auto& c : cases) {
        const auto r = readDouble(c.text, c.sep);
        ASSERT_TRUE(r) << c.text;
        EXPECT_EQ(r.value, c.expected) << c.text;
    }
    // Beyond a double's range: overflow; below its smallest value: zero.
    const std::string huge(400, '9');
    EXPECT_EQ(readDouble(huge, ',').error, NumberError::overflow);
    EXPECT_FALSE(readDouble(huge, ','));
    const std::string tiny = "0," + std::string(400, '0') + "1";
    ASSERT_TRUE(readDouble(tiny, ','));
    EXPECT_EQ(readDouble(tiny, ',').value, 0.0);
}

TEST(NumberInput, DoubleTextHasAtMostFifteenSignificantDigits) {
    EXPECT_EQ(doubleText(12 * 64.7, ','), "776,4");
    EXPECT_EQ(doubleText(12 * 86.9, ','), "1042,8");
    EXPECT_EQ(doubleText(12.5 * 64.7, ','), "808,75");
    EXPECT_EQ(doubleText(0.1 * 64.7, ','), "6,47");
    EXPECT_EQ(doubleText(0.0, ','), "0");
    EXPECT_EQ(doubleText(-0.0, ','), "0");
    EXPECT_EQ(doubleText(-3 * 64.7, '.'), "-194.1");
    EXPECT_EQ(doubleText(1e20, ','), "1E+20");
    EXPECT_EQ(doubleText(1.0 / 3.0, ','), "0,333333333333333");
}

}  // namespace
}  // namespace sueldara
