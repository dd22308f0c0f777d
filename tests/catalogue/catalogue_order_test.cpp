// The catalogue's row order is its list order in the selection dialog; nothing ever sorts it.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "name_order.h"
#include "position_catalogue.h"

namespace sueldara {
namespace {

using testing::compareNames;

int sign(int v) { return (v > 0) - (v < 0); }

struct NamePair {
    std::string_view first;
    std::string_view second;
    int expected;  // sign of compareNames(first, second)
};

// Short, ASCII-only description for test listings.
void PrintTo(const NamePair& pair, std::ostream* os) {
    const auto ascii = [](std::string_view text) {
        std::string out;
        for (char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                out += c;
            } else {
                static constexpr char kHex[] = "0123456789ABCDEF";
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0xF];
            }
        }
        return out;
    };
    *os << '[' << ascii(pair.first) << "] vs [" << ascii(pair.second) << ']';
}

class CatalogueNameOrder : public ::testing::TestWithParam<NamePair> {};

TEST_P(CatalogueNameOrder, ComparesAsTheListIsOrdered) {
    const NamePair& c = GetParam();
    EXPECT_EQ(sign(compareNames(c.first, c.second)), c.expected) << '"' << c.first << "\" vs \"" << c.second << '"';
    EXPECT_EQ(sign(compareNames(c.second, c.first)), -c.expected) << "reversed";
}

INSTANTIATE_TEST_SUITE_P(
    CatalogueRules, CatalogueNameOrder,
    ::testing::Values(
        // The list's own examples.
        NamePair{"Director De 1° C.E.F.", "Director De 1era A/C De 2 Turnos Con P. De Jorn", -1},
        NamePair{"Director Escuela Cárcel", "Director Escuela Coral", -1},
        NamePair{"Psicólogo", "Psicopedagogo", -1},
        // Character classes: blank < sign < digit < letter.
        NamePair{"a b", "a.b", -1}, NamePair{"a.b", "a1b", -1}, NamePair{"a1b", "aab", -1},
        NamePair{"a b", "a1b", -1}, NamePair{"a b", "aab", -1}, NamePair{"a.b", "aab", -1},
        NamePair{"1§ - 2", "1§ - 3", -1}, NamePair{"a°", "ae", -1}, NamePair{"a§", "a0", -1},
        NamePair{"4ta", "Cuarta", -1}, NamePair{"Esc.", "Escuela", -1},
        // Accents and capitals do not count; accented capitals fold too.
        NamePair{"Psicólogo", "PSICOLOGO", 0}, NamePair{"Área", "area", 0}, NamePair{"ÚNICO", "único", 0},
        NamePair{"Enseñanza", "Ensenanza", 0}, NamePair{"Física", "Fisica", 0}, NamePair{"Güe", "gue", 0},
        NamePair{"Fisica Anexo", "Física Diferenciado", -1}, NamePair{"CAPACITADORES", "Celador", -1},
        NamePair{"Área", "Asistente", -1},
        // A name that is the start of another comes first, even with a trailing blank.
        NamePair{"Director", "Director 1era", -1}, NamePair{"Categoría", "Categoría ", -1},
        NamePair{"", "a", -1}, NamePair{"", "", 0}),
    [](const ::testing::TestParamInfo<NamePair>& info) { return "pair" + std::to_string(info.index); });

TEST(CatalogueRowOrder, EveryAdjacentPairIsInNameOrder) {
    const auto rows = PositionCatalogue::rows();
    ASSERT_EQ(rows.size(), PositionCatalogue::kRowCount);
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        EXPECT_LE(compareNames(rows[i].cargox, rows[i + 1].cargox), 0)
            << "row " << i << " \"" << rows[i].cargox << "\" sorts after row " << i + 1 << " \"" << rows[i + 1].cargox
            << '"';
    }
}

// Neighbours that compare equal are repeated names, except for the one post listed under two
// spellings ("Fonoaudiologo", "Fonoaudiólogo").
TEST(CatalogueRowOrder, EqualNeighboursAreRepeatsOrTheTwoSpellingPair) {
    const auto rows = PositionCatalogue::rows();
    std::vector<std::size_t> spellingPairs;
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        if (compareNames(rows[i].cargox, rows[i + 1].cargox) == 0 && rows[i].cargox != rows[i + 1].cargox) {
            spellingPairs.push_back(i);
        }
    }
    EXPECT_EQ(spellingPairs, std::vector<std::size_t>{94});
}

}  // namespace
}  // namespace sueldara
