#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <iterator>
#include <vector>

namespace testing {

// Work a helper program has put off, run from its event loop when it falls due.
class Agenda {
public:
    using Clock = std::chrono::steady_clock;

    void later(std::chrono::milliseconds delay, std::function<void()> work) {
        m_items.push_back({Clock::now() + delay, std::move(work)});
    }

    // What poll() may wait, in ms, before the next work falls due; -1 when none is put off.
    int waitMs() const {
        const auto next = std::min_element(m_items.begin(), m_items.end(),
                                           [](auto& a, auto& b) { return a.when < b.when; });
        if (next == m_items.end())
            return -1;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(next->when - Clock::now());
        return static_cast<int>(std::max<long long>(0, left.count()));
    }

    // Runs what is due, in the order it was put off; what that puts off waits for the next turn.
    void runDue() {
        const auto due = std::stable_partition(
            m_items.begin(), m_items.end(),
            [now = Clock::now()](const Item& item) { return item.when > now; });
        std::vector<Item> ready(std::make_move_iterator(due),
                                std::make_move_iterator(m_items.end()));
        m_items.erase(due, m_items.end());
        for (Item& item : ready)
            item.work();
    }

private:
    struct Item {
        Clock::time_point when;
        std::function<void()> work;
    };
    std::vector<Item> m_items;
};

} // namespace testing
