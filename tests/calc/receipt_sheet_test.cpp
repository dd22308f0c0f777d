#include <gtest/gtest.h>

#include "receipt_sheet.h"

namespace sueldara {
namespace {

ReceiptLine line(const char* code, std::optional<std::string> quantity, AmountColumn column, std::int64_t raw) {
    return ReceiptLine{code, std::move(quantity), std::string("concepto ") + code, Money::fromRaw(raw), column};
}

TEST(ReceiptSheet, AppendFillsOneAmountCellOfTheRow) {
    ReceiptSheet sheet;
    clearSheet(sheet);
    appendLine(sheet, line("001", "1", AmountColumn::haberes, 20000000), ',');
    appendLine(sheet, line("505", "3 %", AmountColumn::descuentos, 252432), ',');
    appendLine(sheet, line("1010", std::nullopt, AmountColumn::haberes, 150000), ',');

    ASSERT_EQ(sheet.rowCount, 3);
    EXPECT_EQ(sheet.rows[0].cod.text, "001");
    EXPECT_TRUE(sheet.rows[0].cod.shown && sheet.rows[0].Label19.shown && sheet.rows[0].Line8);
    EXPECT_EQ(sheet.Label1[0].text, "$2000");
    EXPECT_TRUE(sheet.Label1[0].shown);
    EXPECT_FALSE(sheet.Label1[27].shown);

    EXPECT_FALSE(sheet.Label1[1].shown);
    EXPECT_TRUE(sheet.Label1[28].shown);
    EXPECT_EQ(sheet.Label1[28].text, "$ 25,2432");
    EXPECT_EQ(sheet.rows[1].Label10.text, "3 %");

    // The spouse line has no quantity: its cell stays hidden.
    EXPECT_FALSE(sheet.rows[2].Label10.shown);
    EXPECT_TRUE(sheet.rows[2].cod.shown);
    EXPECT_EQ(sheet.Label1[2].text, "$ 15");
    for (int r = 3; r < kSheetRows; ++r) {
        EXPECT_FALSE(sheet.rows[r].cod.shown || sheet.rows[r].Label19.shown || sheet.rows[r].Line8 ||
                     sheet.Label1[r].shown || sheet.Label1[r + 27].shown)
            << r;
    }
}

TEST(ReceiptSheet, ClearHidesEverythingOfTheLastRun) {
    ReceiptSheet sheet;
    clearSheet(sheet);
    for (int i = 0; i < 10; ++i) appendLine(sheet, line("505", "3 %", AmountColumn::descuentos, 10000), ',');
    clearSheet(sheet);
    // A row that held a deduction now takes an earning: only the earnings cell shows.
    appendLine(sheet, line("001", "1", AmountColumn::haberes, 10000), ',');
    EXPECT_TRUE(sheet.Label1[0].shown);
    EXPECT_FALSE(sheet.Label1[27].shown);
    for (int r = 1; r < kSheetRows; ++r) {
        EXPECT_FALSE(sheet.rows[r].cod.shown || sheet.rows[r].Label10.shown || sheet.rows[r].Label19.shown ||
                     sheet.rows[r].Line8 || sheet.Label1[r].shown || sheet.Label1[r + 27].shown)
            << r;
    }
    EXPECT_EQ(sheet.rowCount, 1);
}

TEST(ReceiptSheet, TotalsFollowTheLastRow) {
    ReceiptSheet sheet;
    const struct {
        int rows;
        float line6, thaberes, line15, tdescuentos, line16, liquido, line17;
    } cases[] = {
        {0, 1050, 1250, 1550, 1650, 1950, 2050, 2350},
        {1, 1365, 1565, 1865, 1965, 2265, 2365, 2665},
        {26, 9240, 9440, 9740, 9840, 10140, 10240, 10540},
    };
    for (const auto& c : cases) {
        clearSheet(sheet);
        for (int i = 0; i < c.rows; ++i) appendLine(sheet, line("188", "7.0", AmountColumn::haberes, 1), ',');
        placeTotals(sheet);
        const TotalsLayout& t = sheet.totals;
        EXPECT_EQ(t.line6Y, c.line6) << c.rows;
        EXPECT_EQ(t.thaberesTop, c.thaberes) << c.rows;
        EXPECT_EQ(t.line15Y, c.line15) << c.rows;
        EXPECT_EQ(t.tdescuentosTop, c.tdescuentos) << c.rows;
        EXPECT_EQ(t.line16Y, c.line16) << c.rows;
        EXPECT_EQ(t.liquidoTop, c.liquido) << c.rows;
        EXPECT_EQ(t.line17Y, c.line17) << c.rows;
        EXPECT_EQ(t.verticalRulesY2, c.line17) << c.rows;
    }
}

TEST(ReceiptSheet, NeverWritesBeyondItsRows) {
    ReceiptSheet sheet;
    clearSheet(sheet);
    for (int i = 0; i < 30; ++i) appendLine(sheet, line("188", "7.0", AmountColumn::descuentos, 1), ',');
    EXPECT_EQ(sheet.rowCount, kSheetRows);
}

}  // namespace
}  // namespace sueldara
