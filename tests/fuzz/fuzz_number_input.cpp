// Any bytes read as a number under either separator: a value or a typed error,
// and an accepted number reads back to the same value once written out.

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "number_input.h"

using namespace sueldara;

namespace {

template <typename T>
void checkError(const Read<T>& r) {
    if (!r) CHECK(r.error == NumberError::typeMismatch || r.error == NumberError::overflow);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char sep = (data[0] & 1) ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto i16 = readInt16(text, sep);
    checkError(i16);
    if (i16) CHECK(readInt16(wholeText(i16.value), sep).value == i16.value);

    const auto u8 = readUint8(text, sep);
    checkError(u8);
    if (u8) CHECK(readUint8(wholeText(u8.value), sep).value == u8.value);

    const auto m = readMoney(text, sep);
    checkError(m);
    if (m) {
        const auto again = readMoney(moneyText(m.value, sep), sep);
        CHECK(again && again.value == m.value);
    }

    const auto d = readDouble(text, sep);
    checkError(d);
    if (d) {
        char buffer[400];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, d.value, std::chars_format::fixed);
        CHECK(ec == std::errc{});
        std::string written(buffer, end);
        for (char& c : written) {
            if (c == '.') c = sep;
        }
        const auto again = readDouble(written, sep);
        CHECK(again && again.value == d.value);
    }
    // Texts with the other separator, or with letters, are never numbers.
    if (std::memchr(text.data(), sep == ',' ? '.' : ',', text.size()) != nullptr) {
        CHECK(!i16 && i16.error == NumberError::typeMismatch);
        CHECK(!d && d.error == NumberError::typeMismatch);
    }
    return 0;
}
