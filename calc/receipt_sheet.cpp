#include "receipt_sheet.h"

namespace sueldara {

ReceiptSheet::ReceiptSheet() {
    // Start state of the window's cells: codes and concepts hidden, quantity
    // cells, amount cells and separators shown, every text empty.
    for (Cell& cell : Label1) cell.shown = true;
    placeTotals(*this);
}

void clearSheet(ReceiptSheet& sheet) {
    for (Cell& cell : sheet.Label1) cell.shown = false;
    for (SheetRow& row : sheet.rows) {
        row.Line8 = false;
        row.Label10.shown = false;
        row.Label19.shown = false;
        row.cod.shown = false;
    }
    sheet.rowCount = 0;
}

void appendLine(ReceiptSheet& sheet, const ReceiptLine& line, char decimalSeparator) {
    const int r = sheet.rowCount;
    if (r < 0 || r >= kSheetRows) return;
    SheetRow& row = sheet.rows[static_cast<std::size_t>(r)];
    row.cod = {line.code, true};
    row.Label19 = {line.conceptText, true};
    row.Line8 = true;
    if (line.quantity) {
        row.Label10 = {*line.quantity, true};
    }
    const int cell = line.column == AmountColumn::haberes ? r : r + kSheetRows;
    sheet.Label1[static_cast<std::size_t>(cell)] = {amountText(line.code, line.amount, decimalSeparator), true};
    sheet.rowCount = r + 1;
}

void placeTotals(ReceiptSheet& sheet) {
    const int shift = 315 * sheet.rowCount;
    TotalsLayout& t = sheet.totals;
    t.verticalRulesY2 = static_cast<float>(2350 + shift);
    t.line6Y = static_cast<float>(1050 + shift);
    t.thaberesTop = static_cast<float>(1250 + shift);
    t.line15Y = static_cast<float>(1550 + shift);
    t.tdescuentosTop = static_cast<float>(1650 + shift);
    t.line16Y = static_cast<float>(1950 + shift);
    t.liquidoTop = static_cast<float>(2050 + shift);
    t.line17Y = static_cast<float>(2350 + shift);
}

}  // namespace sueldara
