// The click dispatcher: a failing handler ends its click, the user is told once which error it
// was, and nothing escapes into the event loop.

#include <algorithm>
#include <doctest/doctest.h>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "MemoryControls.h"
#include "engine/ArithmeticError.h"
#include "engine/ClickDispatch.h"

using engine::ArithmeticError;

TEST_CASE("reports each failure once") {
    struct Row {
        const char* name;
        std::function<void()> failure;
        const char* message;
    };
    const Row rows[] = {
        {"overflow", [] { throw ArithmeticError(ArithmeticError::Kind::Overflow); }, "Overflow"},
        {"division by zero", [] { throw ArithmeticError(ArithmeticError::Kind::DivisionByZero); },
         "Divisione per zero"},
        {"invalid operation",
         [] { throw ArithmeticError(ArithmeticError::Kind::InvalidOperation); },
         "Operazione non valida"},
        {"clipboard", [] { throw platform::ClipboardError("busy"); }, "Appunti non disponibili"},
        {"memory", [] { throw std::bad_alloc(); }, "Memoria insufficiente"},
        {"anything else", [] { throw std::logic_error("unexpected"); }, "Errore imprevisto"},
    };
    for (const Row& row : rows) {
        INFO("row: ", row.name);
        testing::RecordingMessageBox box;
        engine::dispatchClick(row.failure, box);
        REQUIRE(box.shown.size() == 1);
        CHECK(box.shown.front() == row.message);
        CHECK(box.icons.front() == platform::MessageBox::Icon::Warning);
    }
}

TEST_CASE("says nothing when a click succeeds") {
    testing::RecordingMessageBox box;
    bool ran = false;
    engine::dispatchClick([&ran] { ran = true; }, box);
    CHECK(ran);
    CHECK(box.shown.empty());
}

TEST_CASE("tells a screen reader each change once") {
    // Every part on Linux; on Windows the display and the indicator speak for themselves (live
    // regions), and the notification says only the rest.
    struct Row {
        const char* keys;
        const char* words;                      // the last click's, all of them
        const char* operationAndSecondFunction; // the last click's, without the display
    };
    const Row rows[] = {
        {"1 2 + 3 =", "15", ""},
        {"1 2 +", "in attesa: più", "in attesa: più"},
        {"2ndF 2 log", "100, seconda funzione disattivata", "seconda funzione disattivata"},
    };
    for (const Row& row : rows) {
        INFO("keys: ", row.keys);
        testing::MemoryForm form;
        form.press(row.keys);
        // Told once a click, never twice for one.
        const std::string keys = row.keys;
        REQUIRE(form.announcer.heard.size() ==
                static_cast<std::size_t>(std::count(keys.begin(), keys.end(), ' ') + 1));
        CHECK(form.announcer.heard.back().words() == row.words);
        CHECK(form.announcer.heard.back().operationAndSecondFunction() ==
              row.operationAndSecondFunction);
    }
}
