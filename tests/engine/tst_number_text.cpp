// TextToNumber and NumberToText: tables of texts and values, the round trip on random doubles,
// independence from the locale, and texts far longer than any display.

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <doctest/doctest.h>
#include <limits>
#include <locale>
#include <random>
#include <string>

#include "engine/ArithmeticError.h"
#include "engine/NumberText.h"

using engine::ArithmeticError;
using engine::NumberToText;
using engine::TextToNumber;

namespace {
// Bit-exact, so 0 and -0 are told apart where that matters and a wrong last bit is caught.
bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

struct Reading {
    const char* name;
    std::string text;
    double value;
};

struct Writing {
    const char* name;
    double value;
    const char* text;
};
} // namespace

TEST_CASE("reads numbers") {
    const Reading rows[] = {
        // What is not a number reads as 0.
        {"empty", std::string(""), 0.0},
        {"Impossibile", std::string("Impossibile"), 0.0},
        {"Indeterminata", std::string("Indeterminata"), 0.0},
        {"antilog message 308", std::string("N° grande <max 308>"), 0.0},
        {"antilog message 709", std::string("N° grande <max 709>"), 0.0},
        {"point alone", std::string("."), 0.0},
        {"sign alone", std::string("-"), 0.0},
        {"two signs", std::string("+-5"), 0.0},
        {"no hex prefix", std::string("&H10"), 0.0},
        {"no 0x prefix", std::string("0x10"), 0.0},
        {"non-ASCII digit", std::string("\xd9\xa3"), 0.0},
        // A number followed by anything reads as that number.
        {"trailing letters", std::string("12abc"), 12.0},
        {"comma ends it", std::string("1,5"), 1.0},
        {"second point ends it", std::string("1.2.3"), 1.2},
        {"imaginary mark", std::string("1.4142 i"), 1.4142},
        {"no other exponent letter", std::string("1D3"), 1.0},
        {"line end from another program", std::string("12\r\n"), 12.0},
        // Signs, points and leading zeros.
        {"negative", std::string("-3.25"), -3.25},
        {"plus sign", std::string("+8"), 8.0},
        {"leading zeros", std::string("007"), 7.0},
        {"point first", std::string(".5"), 0.5},
        {"negative point first", std::string("-.5"), -0.5},
        {"point last", std::string("5."), 5.0},
        // Blanks (space, tab, line feed) are skipped wherever they stand.
        {"leading blank", std::string(" 42"), 42.0},
        {"blank between digits", std::string("1 2"), 12.0},
        {"tab and line feed", std::string("\t\n7"), 7.0},
        {"blank after sign", std::string("- 5"), -5.0},
        {"blanks around exponent", std::string("1 E 3"), 1000.0},
        // Exponents count only with a digit after the letter and its sign.
        {"exponent", std::string("1E3"), 1000.0},
        {"lower-case negative exponent", std::string("2.5e-1"), 0.25},
        {"exponent plus", std::string("1E+2"), 100.0},
        {"letter without digits", std::string("1E"), 1.0},
        {"letter and sign without digits", std::string("1E+"), 1.0},
        {"letter then other text", std::string("1Ex"), 1.0},
        {"exponent with leading zeros", std::string("1e0000000000000000000000003"), 1000.0},
        // Correct rounding, including the classic hard cases.
        {"one tenth", std::string("0.1"), 0.1},
        {"tie to even", std::string("9007199254740993"), 9007199254740992.0},
        {"hard case near DBL_MIN", std::string("2.2250738585072011e-308"), 2.2250738585072011e-308},
        {"thirty digits", std::string("123456789012345678901234567890"), 1.2345678901234568e29},
        {"largest double", std::string("1.7976931348623157E308"),
         std::numeric_limits<double>::max()},
        // Too small for a double: 0 or a subnormal, never an error.
        {"smallest subnormal", std::string("4.9E-324"), std::numeric_limits<double>::denorm_min()},
        {"subnormal", std::string("1e-310"), 1e-310},
        {"below every subnormal", std::string("1E-400"), 0.0},
        {"negative below every subnormal", std::string("-1E-400"), -0.0},
        {"saturated negative exponent", std::string("1e-99999999999999999999"), 0.0},
        {"zero with huge exponent", std::string("0e999999"), 0.0},
    };
    for (const Reading& row : rows) {
        INFO("row \"", row.name, "\": read ", TextToNumber(row.text));
        CHECK(sameDouble(TextToNumber(row.text), row.value));
    }
}

TEST_CASE("reads texts outside the double range") {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const Reading rows[] = {
        {"1E999", std::string("1E999"), kInfinity},
        {"just past the largest double", std::string("1.7976931348623159e308"), kInfinity},
        {"negative", std::string("-1e309"), -kInfinity},
        {"400 digits", std::string(400, '9'), kInfinity},
        {"saturated exponent", std::string("1e99999999999999999999"), kInfinity},
    };
    for (const Reading& row : rows) {
        INFO("row: ", row.name);
        CHECK(TextToNumber(row.text) == row.value);
    }
}

TEST_CASE("writes numbers") {
    const Writing rows[] = {
        {"integer", 15.0, "15"},
        {"negative integer", -7.0, "-7"},
        {"fraction", 0.25, "0.25"},
        {"zero", 0.0, "0"},
        {"negative zero", -0.0, "0"},
        {"hundred", 100.0, "100"},
        {"smallest plain", 0.0001, "0.0001"},
        {"plain with digits", 0.00012345, "0.00012345"},
        {"first exponent below", 1e-5, "1E-05"},
        {"negative small", -1.5e-7, "-1.5E-07"},
        {"fifteen digits", 123456789012345.0, "123456789012345"},
        {"largest plain power", 1e14, "100000000000000"},
        {"first exponent above", 1e15, "1E+15"},
        {"rounds up into exponent", 999999999999999.9, "1E+15"},
        {"three exponent digits", 1e308, "1E+308"},
        {"mantissa and exponent", 1.4142135623730951e20, "1.4142135623731E+20"},
        {"root of two", 1.4142135623730951, "1.4142135623731"},
        {"a third", 1.0 / 3, "0.333333333333333"},
        {"point one plus point two", 0.1 + 0.2, "0.3"},
        {"fifteenth digit rounded", 1.23456789012345678, "1.23456789012346"},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        // Rounded, the largest doubles would read back past the range: they are cut instead.
        {"largest double", std::numeric_limits<double>::max(), "1.79769313486231E+308"},
        {"eighth largest double", -0x1.ffffffffffffcp+1023, "-1.79769313486231E+308"},
    };
    for (const Writing& row : rows) {
        INFO("row: ", row.name);
        CHECK(NumberToText(row.value) == row.text);
    }
}

TEST_CASE("refuses to write what is not finite") {
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        CHECK_THROWS_AS(NumberToText(value), ArithmeticError);
    }
}

TEST_CASE("the text of every number reads back as the number shown") {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> ordinary(-1e6, 1e6);
    for (int i = 0; i < 200000; ++i) {
        // Half arbitrary bit patterns (every magnitude), half ordinary-sized numbers.
        double value;
        if (i % 2) {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
        } else {
            value = ordinary(random);
        }
        const std::string text = NumberToText(value);
        const double shown = TextToNumber(text);
        INFO(text, " written for ", value);
        REQUIRE(NumberToText(shown) == text);
        // Fifteen digits are within half a unit of their last digit of the value, and reading
        // them back adds at most half a unit in the last place of the double.
        const double digitUnit = std::pow(
            10.0, std::floor(std::log10(std::fmax(std::fabs(value), std::fabs(shown)))) - 14);
        const double lastPlace = std::nextafter(std::fabs(shown), HUGE_VAL) - std::fabs(shown);
        if (value != 0)
            REQUIRE(std::fabs(shown - value) <= 0.5 * digitUnit + 0.5 * lastPlace);
    }
}

TEST_CASE("ignores the locale") {
    // A decimal comma in the C library (and on Linux the C++ global locale) must change nothing.
#ifdef _WIN32
    const char* italian = std::setlocale(LC_ALL, "Italian_Italy.1252");
#else
    const char* italian = std::setlocale(LC_ALL, "it_IT.UTF-8");
    if (italian)
        std::locale::global(std::locale("it_IT.UTF-8"));
#endif
    REQUIRE_MESSAGE(italian, "no Italian locale (Debian package locales-all)");
    CHECK(std::string(std::localeconv()->decimal_point) == ",");

    const double read = TextToNumber("1.5");
    const std::string written = NumberToText(1234.5);
    const double comma = TextToNumber("1,5");

    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    CHECK(read == 1.5);
    CHECK(written == "1234.5");
    CHECK(comma == 1.0);
}

TEST_CASE("reads huge texts") {
    // Far longer than any display; the 100 MB a clipboard can hold are measured in bench/.
    constexpr std::size_t kHuge = 1'000'000;
    std::string text = "0.";
    text.append(kHuge, '3');
    CHECK(TextToNumber(text) == 1.0 / 3);

    std::string blanks(kHuge, ' ');
    blanks += "7";
    CHECK(TextToNumber(blanks) == 7.0);

    std::string digits(kHuge, '9');
    CHECK(TextToNumber(digits) == std::numeric_limits<double>::infinity());
}
