// Throughput of the number conversions and of whole key sequences on in-memory controls.
// Prints one line per measurement; run it from a Release build:
//   build/bench/bench_engine

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "MemoryControls.h"
#include "engine/NumberText.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class Work> double secondsFor(Work&& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

volatile double g_sink; // keeps the optimiser from dropping the work

} // namespace

int main() {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> values(-1e9, 1e9);
    std::vector<double> numbers(1'000'000);
    for (double& number : numbers)
        number = values(random);

    std::vector<std::string> texts;
    texts.reserve(numbers.size());
    const double write = secondsFor([&] {
        for (double number : numbers)
            texts.push_back(engine::NumberToText(number));
    });
    std::printf("NumberToText: %.0f ns per number\n", write / numbers.size() * 1e9);

    const double read = secondsFor([&] {
        double sum = 0;
        for (const std::string& text : texts)
            sum += engine::TextToNumber(text);
        g_sink = sum;
    });
    std::printf("TextToNumber: %.0f ns per display text\n", read / texts.size() * 1e9);

    // Texts as long as a clipboard can hold, in the shapes that walk different paths: digits
    // after the point, an integer beyond the double range, and digits spaced by blanks.
    const std::pair<const char*, std::string> shapes[] = {
        {"0.333...", "0.3"}, {"999...", "9"}, {"1 1 1 ...", "1 "}};
    for (const auto& [name, unit] : shapes) {
        for (std::size_t megabytes : {1, 10, 100}) {
            std::string huge = unit == "0.3" ? "0." : "";
            while (huge.size() < megabytes * 1'000'000)
                huge += unit.back() == '3' ? "3" : unit;
            const double seconds = secondsFor([&] { g_sink = engine::TextToNumber(huge); });
            std::printf("TextToNumber of a %zu MB text %s: %.3f s (%.0f MB/s)\n", megabytes, name,
                        seconds, megabytes / seconds);
        }
    }

    testing::MemoryForm form;
    constexpr int kSequences = 100'000;
    const double keys = secondsFor([&] {
        for (int i = 0; i < kSequences; ++i)
            form.press("1 2 + 3 = = 2ndF 2 log Rad");
    });
    std::printf("Key sequence of 11 clicks on in-memory controls: %.2f us\n",
                keys / kSequences * 1e6);
    return 0;
}
