#include "position_catalogue.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace sueldara {

namespace detail {
std::span<const Position> catalogueRows();  // position_rows.cpp
}

std::span<const Position> PositionCatalogue::rows() {
    return detail::catalogueRows();
}

const Position& PositionCatalogue::rowAt(std::size_t index) {
    const auto all = rows();
    if (index >= all.size()) {
        throw std::out_of_range("post row index " + std::to_string(index) + " is outside 0.." +
                                std::to_string(all.size() - 1));
    }
    return all[index];
}

std::optional<std::size_t> PositionCatalogue::findByCode(std::string_view text) {
    // Codes are three digits; anything else (blanks, other lengths, letters) finds nothing.
    if (text.size() != 3 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const auto all = rows();
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].codigocargo == text) {
            return i;
        }
    }
    return std::nullopt;
}

std::vector<std::string_view> PositionCatalogue::column(std::string_view Position::*field) {
    std::vector<std::string_view> values;
    values.reserve(kRowCount);
    for (const Position& row : rows()) {
        values.push_back(row.*field);
    }
    return values;
}

}  // namespace sueldara
