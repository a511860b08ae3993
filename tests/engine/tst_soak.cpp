// A soak of random clicks on in-memory controls: random keys, random texts typed into the display,
// another program replacing the clipboard, and a clipboard that fails now and then. After every
// click the invariants a user relies on must hold. A fixed seed by default; for longer runs:
//   BRENOLDI_SOAK_SEED=123 BRENOLDI_SOAK_CLICKS=100000000 build/tests/engine/tst_soak

#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <doctest/doctest.h>
#include <random>
#include <set>

#include "MemoryControls.h"
#include "engine/NumberText.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 20261207;
constexpr long long kDefaultClicks = 1'000'000;

const std::array<const char*, 23> kKeys{"0", "1", "2",    "3",   "4",  "5",   "6",  "7",
                                        "8", "9", "C",    "+",   "-",  "x",   "/",  "yX",
                                        "%", "=", "2ndF", "log", "ln", "Rad", "1/x"};
const std::set<std::string> kComputingKeys{"=", "log", "ln", "Rad", "1/x"};
const std::set<std::string> kMessages{"Overflow", "Divisione per zero", "Operazione non valida",
                                      "Appunti non disponibili"};
const std::set<std::string> kDisplayMessages{"", "Impossibile", "Indeterminata",
                                             "N° grande <max 308>", "N° grande <max 709>"};

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value && *value ? std::strtoull(value, nullptr, 10) : fallback;
}

// Texts a user types or another program copies: numerals of every magnitude, the edges of the
// double range, the calculator's own messages, and fragments that are not numbers at all.
class TextMaker {
public:
    explicit TextMaker(std::mt19937_64& random) : m_random(random) {}

    std::string operator()() {
        static const std::array<const char*, 15> kFragments{"1E999",
                                                            "-1E999",
                                                            "1.79769313486231E+308",
                                                            "1.7976931348623157E308",
                                                            "5.5E+293",
                                                            "1E-309",
                                                            "0",
                                                            "-0",
                                                            "308.5",
                                                            "709",
                                                            "Impossibile",
                                                            " i",
                                                            "1,5",
                                                            "4.9E-324",
                                                            "  7 "};
        switch (pick(4)) {
        case 0:
            return kFragments[pick(kFragments.size())];
        case 1: {
            // A random double of any magnitude, written as the calculator writes numbers.
            double value;
            const std::uint64_t bits = m_random();
            std::memcpy(&value, &bits, sizeof value);
            return std::isfinite(value) ? engine::NumberToText(value) : "nan";
        }
        case 2:
            return std::to_string(static_cast<long long>(pick(2000)) - 1000) + "." +
                   std::to_string(pick(1000));
        default: {
            static const char kAlphabet[] = "0123456789.Ee+- x";
            std::string text;
            for (std::size_t i = pick(12); i > 0; --i)
                text += kAlphabet[pick(sizeof kAlphabet - 1)];
            return text;
        }
        }
    }

    std::size_t pick(std::size_t count) { return m_random() % count; }

private:
    std::mt19937_64& m_random;
};

bool looksLikeInfinityOrNaN(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

} // namespace

TEST_CASE("random clicks keep the invariants") {
    const std::uint64_t seed = fromEnvironment("BRENOLDI_SOAK_SEED", kDefaultSeed);
    const auto clicks =
        static_cast<long long>(fromEnvironment("BRENOLDI_SOAK_CLICKS", kDefaultClicks));
    std::mt19937_64 random(seed);
    TextMaker text(random);
    testing::MemoryForm form;

    for (long long click = 0; click < clicks; ++click) {
        const std::size_t action = text.pick(100);
        std::string key;
        if (action < 8) {
            form.Text1.value = text(); // typed into the display
        } else if (action < 11) {
            form.clipboard.value = text(); // another program copies
        } else if (action < 12) {
            form.press(text.pick(3) == 0 ? "!write" : text.pick(2) ? "!read" : "!ok");
        } else if (action < 20) {
            form.press("!ok");
        } else if (action < 23) {
            key = "Enter";
        } else {
            key = kKeys[text.pick(kKeys.size())];
        }
        if (key.empty())
            continue;

        const std::string before = form.Text1.value;
        const std::size_t messagesBefore = form.messages.shown.size();
        form.press(key);

        const std::string& display = form.Text1.value;
        INFO("seed ", seed, ", click ", click, " (", key, "): display \"", display, "\"");
        REQUIRE(form.messages.shown.size() <= messagesBefore + 1);
        if (form.messages.shown.size() > messagesBefore)
            REQUIRE(kMessages.count(form.messages.shown.back()) == 1);
        // Whatever the calculator writes, it never shows an infinity or a NaN...
        if (display != before)
            REQUIRE(!looksLikeInfinityOrNaN(display));
        // ...and a number it computed reads back as the number shown.
        if (display != before && kComputingKeys.count(key) && !kDisplayMessages.count(display)) {
            std::string number = display;
            if (number.size() > 2 && number.compare(number.size() - 2, 2, " i") == 0)
                number.resize(number.size() - 2);
            const double value = engine::TextToNumber(number);
            REQUIRE((std::isfinite(value) && engine::NumberToText(value) == number));
        }
        int emphasised = 0;
        for (const auto& [name, button] : form.buttons)
            emphasised += button->emphasised;
        // At most one default button, and the one drawn so is the one that holds the role.
        REQUIRE(emphasised == (form.rule.holder() ? 1 : 0));
    }
    // After all that, the calculator still calculates.
    form.press("!ok C 1 2 + 3 =");
    CHECK(form.Text1.value == "15");
}
