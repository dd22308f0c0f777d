#pragma once
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace sueldara {

// One post of the catalogue. Every cell is text, exactly as the catalogue holds it:
// numbers in decimal digits only, "0" for zero.
struct Position {
    std::string_view codigocargo, cargox, puntosbasicos, proljornada, jorcompleta, tareadif, compbasico;
};

// The fixed table of teaching posts, in the order the selection dialog lists them.
class PositionCatalogue {
public:
    static constexpr std::size_t kRowCount = 311;

    static std::span<const Position> rows();            // all rows in row order
    static const Position& rowAt(std::size_t index);    // index 0..310; throws std::out_of_range otherwise
    // Index of the first row whose code equals the whole text; nothing for blanks,
    // a length other than three, or anything but digits.
    static std::optional<std::size_t> findByCode(std::string_view text);

    // One column in row order, e.g. column(&Position::cargox) for the dialog's name list.
    static std::vector<std::string_view> column(std::string_view Position::*field);
};

}  // namespace sueldara
