#pragma once
// The receipt sheet: 27 numbered rows of five columns, the header that describes
// the post or the hours, the three totals, the teacher's name and the date.
// The receipt window draws it; the calculation run is the only writer of lines.

#include <array>
#include <optional>
#include <string>

#include "money.h"

namespace sueldara {

constexpr int kSheetRows = 27;
constexpr int kAmountCells = 2 * kSheetRows;

struct Cell {
    std::string text;
    bool shown = false;
};

struct SheetRow {
    Cell cod;                  // code: "001", "052", "1010" ...
    Cell Label10{{}, true};    // quantity or percentage
    Cell Label19;              // concept
    bool Line8 = true;         // separator rule under the row
};

enum class AmountColumn { haberes, descuentos };

struct ReceiptLine {
    std::string code;
    std::optional<std::string> quantity;  // none leaves the quantity cell hidden
    std::string conceptText;  // goes to Label19
    Money amount;
    AmountColumn column = AmountColumn::haberes;
};

// Positions (twips, as single-precision layout values) of the totals block and
// the rules that follow the last row.
struct TotalsLayout {
    float verticalRulesY2 = 0;  // Line1, Line2, Line3(0), Line3(1), Line5, Line7
    float line6Y = 0;           // thick rule under the table
    float thaberesTop = 0;      // thaberes and Label15
    float line15Y = 0;
    float tdescuentosTop = 0;   // tdescuentos and Label16
    float line16Y = 0;
    float liquidoTop = 0;       // liquido and Label17
    float line17Y = 0;
};

struct ReceiptSheet {
    ReceiptSheet();

    std::array<SheetRow, kSheetRows> rows;
    // Label1(r) is row r's earnings cell, Label1(r + 27) its deductions cell.
    std::array<Cell, kAmountCells> Label1;
    int rowCount = 0;

    // Header.
    std::string Label11;     // "Código del cargo" or "Cantidad de horas"
    std::string numcargo;
    std::string punbasicos;  // under the fixed caption "Puntaje"
    std::string carsel;
    bool positionPointsShown = true;  // "Prol jorn", "Jorn Comp", "Tarea dif", "Ptos. Comp Básico"
    std::string proljor;
    std::string jorcom;
    std::string tardif;
    std::string compbas;

    // Totals, name and date.
    std::string thaberes;
    std::string tdescuentos;
    std::string liquido;
    std::string docente;
    std::string Text10;

    TotalsLayout totals;
};

// Row geometry of the receipt table (twips).
constexpr int rowTop(int r) { return 735 + 315 * r; }
constexpr int separatorY(int r) { return 1050 + 315 * r; }

// Hides every amount cell and every row's code, quantity, concept and separator;
// rowCount becomes 0. Texts stay behind, unseen.
void clearSheet(ReceiptSheet& sheet);

// Writes the line into row rowCount and advances rowCount. The item set never
// appends more than 26 lines; a line beyond the 27th row is dropped.
void appendLine(ReceiptSheet& sheet, const ReceiptLine& line, char decimalSeparator);

// Moves the totals block and the table's rules below row rowCount - 1.
void placeTotals(ReceiptSheet& sheet);

}  // namespace sueldara
