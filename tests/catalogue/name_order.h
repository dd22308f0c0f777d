#pragma once
#include <string_view>

namespace sueldara::testing {

// Compares two post names the way the catalogue's list is ordered: character by character,
// accents and capitals ignored, blanks before signs, signs before digits, digits before
// letters, and a name that is a prefix of the other first. Negative, zero or positive.
int compareNames(std::string_view a, std::string_view b);

}  // namespace sueldara::testing
