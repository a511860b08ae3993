// libFuzzer target over the number text conversions: TextToNumber must take any bytes without
// failing, never produce a NaN, and whatever finite value it reads must write as a text that reads
// back as the number shown. The first eight bytes are also taken as a double's bits, so every
// magnitude the arithmetic can produce goes through the write-read round trip too.
//   tools/fuzz [seconds]

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/ArithmeticError.h"
#include "engine/NumberText.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

bool isWrittenForm(std::string_view text) {
    for (const char c : text) {
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'E'))
            return false;
    }
    return !text.empty();
}

// NumberToText(value) reads back as a number that writes the very same text.
void roundTrip(double value) {
    const std::string shown = engine::NumberToText(value);
    if (!isWrittenForm(shown))
        fail("written text has other characters", shown);
    const double back = engine::TextToNumber(shown);
    if (!std::isfinite(back))
        fail("written text reads back beyond the double range", shown);
    if (engine::NumberToText(back) != shown)
        fail("written text reads back as another number", shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = engine::TextToNumber(text);
    if (std::isnan(value))
        fail("read as NaN", text);
    if (std::isfinite(value)) {
        roundTrip(value);
    } else {
        try {
            (void)engine::NumberToText(value);
            fail("an infinity was written", text);
        } catch (const engine::ArithmeticError&) {
        }
    }

    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        if (std::isfinite(bits))
            roundTrip(bits);
    }
    return 0;
}
