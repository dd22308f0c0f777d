#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "position_catalogue.h"

namespace sueldara {
namespace {

struct CodeCase {
    std::string_view text;
    std::size_t row;
    std::string_view name;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << '"' << c.text << "\" -> row " << c.row; }

class CatalogueLookupFinds : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CatalogueLookupFinds, TheRowWithThatCode) {
    const CodeCase& c = GetParam();
    const auto found = PositionCatalogue::findByCode(c.text);
    ASSERT_TRUE(found.has_value()) << c.text;
    EXPECT_EQ(*found, c.row);
    EXPECT_EQ(PositionCatalogue::rowAt(*found).cargox, c.name);
}

INSTANTIATE_TEST_SUITE_P(CatalogueCodes, CatalogueLookupFinds,
                         ::testing::Values(CodeCase{"999", 0, "Analista Princ Tec Doc"},
                                           CodeCase{"733", 310, "Visitador"},
                                           CodeCase{"813", 157, "Maestro De Grado Jornada Completa"},
                                           CodeCase{"749", 150, "Maestro De Grado"},
                                           CodeCase{"634", 149, "Maestro De Grado"},
                                           CodeCase{"600", 109, "Jefe De Preceptores De 2da Y 3ra Categor\u00eda"},
                                           CodeCase{"633", 13, "Bibliotecario"},
                                           CodeCase{"996", 16, "Bibliotecario"}));

class CatalogueLookupRejects : public ::testing::TestWithParam<std::string_view> {};

TEST_P(CatalogueLookupRejects, TextThatIsNoCode) {
    EXPECT_FALSE(PositionCatalogue::findByCode(GetParam()).has_value()) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(CatalogueTexts, CatalogueLookupRejects,
                         ::testing::Values("601", "99", "0", " 101", "101 ", "", "9999", "81a", " 813", "813 ",
                                           "8 3", "+99", "-99", "\xd9\x99", std::string_view("81\0", 3)),
                         [](const ::testing::TestParamInfo<std::string_view>& info) {
                             // Test names may hold only letters, digits and '_'.
                             std::string name = "case" + std::to_string(info.index) + "_";
                             for (char c : info.param) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(CatalogueLookup, EveryRowIsFoundByItsOwnCode) {
    const auto rows = PositionCatalogue::rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto found = PositionCatalogue::findByCode(rows[i].codigocargo);
        ASSERT_TRUE(found.has_value()) << "row " << i;
        EXPECT_EQ(*found, i) << "code " << rows[i].codigocargo;
    }
}

TEST(CatalogueLookup, RowAtGivesTheRowAtThatIndex) {
    const auto rows = PositionCatalogue::rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(&PositionCatalogue::rowAt(i), &rows[i]);
    }
    EXPECT_THROW(PositionCatalogue::rowAt(311), std::out_of_range);
}

TEST(CatalogueLookup, ColumnGivesOneFieldInRowOrder) {
    const auto names = PositionCatalogue::column(&Position::cargox);
    const auto codes = PositionCatalogue::column(&Position::codigocargo);
    ASSERT_EQ(names.size(), PositionCatalogue::kRowCount);
    ASSERT_EQ(codes.size(), PositionCatalogue::kRowCount);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i], PositionCatalogue::rowAt(i).cargox);
        EXPECT_EQ(codes[i], PositionCatalogue::rowAt(i).codigocargo);
    }
}

}  // namespace
}  // namespace sueldara
