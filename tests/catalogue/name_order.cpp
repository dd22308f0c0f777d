#include "name_order.h"

#include <cstdint>

namespace sueldara::testing {
namespace {

// Reads one UTF-8 character from text at pos and advances pos. A malformed byte is taken
// as it stands, so that it still sorts somewhere instead of being skipped.
char32_t nextCodePoint(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    int extra = 0;
    char32_t cp = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        extra = 3;
        cp = lead & 0x07;
    } else if (lead >= 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if (lead >= 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else {
        return cp;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<unsigned char>(text[pos]) & 0xC0) != 0x80) {
            return lead;
        }
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos++]) & 0x3F);
    }
    return cp;
}

// Accented Spanish letters fold to their base letter, capitals to small letters.
char32_t fold(char32_t c) {
    switch (c) {
        case U'á': case U'Á': return U'a';
        case U'é': case U'É': return U'e';
        case U'í': case U'Í': return U'i';
        case U'ó': case U'Ó': return U'o';
        case U'ú': case U'Ú': case U'ü': case U'Ü': return U'u';
        case U'ñ': case U'Ñ': return U'n';
        default: break;
    }
    if (c >= U'A' && c <= U'Z') {
        return c - U'A' + U'a';
    }
    return c;
}

enum class CharClass : std::uint8_t { blank, sign, digit, letter };

CharClass classOf(char32_t folded) {
    if (folded == U' ' || folded == U'\t') {
        return CharClass::blank;
    }
    if (folded >= U'0' && folded <= U'9') {
        return CharClass::digit;
    }
    if (folded >= U'a' && folded <= U'z') {
        return CharClass::letter;
    }
    // Other Latin-1 letters (À..ÿ without × and ÷) are letters; everything else is a sign.
    if (folded >= 0xC0 && folded <= 0xFF && folded != 0xD7 && folded != 0xF7) {
        return CharClass::letter;
    }
    return CharClass::sign;
}

}  // namespace

int compareNames(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = fold(nextCodePoint(a, i));
        const char32_t cb = fold(nextCodePoint(b, j));
        const CharClass ka = classOf(ca);
        const CharClass kb = classOf(cb);
        if (ka != kb) {
            return ka < kb ? -1 : 1;
        }
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    const bool aLeft = i < a.size();
    const bool bLeft = j < b.size();
    return aLeft == bLeft ? 0 : (aLeft ? 1 : -1);
}

}  // namespace sueldara::testing
