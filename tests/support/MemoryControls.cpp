#include "MemoryControls.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "Form1Design.h"
#include "engine/ClickDispatch.h"

namespace testing {

namespace {

// The window's own table says which handler each caption's click runs.
const ControlDesign* buttonWithCaption(std::string_view caption) {
    for (const ControlDesign& design : kForm1Controls) {
        if (design.kind == ControlKind::Button && caption == design.caption)
            return &design;
    }
    return nullptr;
}

} // namespace

std::vector<std::string> captions(std::string_view keys) {
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < keys.size()) {
        const std::size_t end = std::min(keys.find(' ', start), keys.size());
        if (end > start)
            result.emplace_back(keys.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

MemoryForm::MemoryForm()
    : controls{Text1,     Text2,   List1,       Somma,           Differenza, Prodotto,
               Divisione, Potenza, Percentuale, FunzioneInversa, clipboard} {
    Risultato.setDefault(true);
}

void MemoryForm::press(std::string_view keys) {
    for (const std::string& key : captions(keys)) {
        if (key.front() == '\'') {
            Text1.value = key.substr(1); // typed into the display
            continue;
        }
        if (key.front() == '@') {
            clipboard.value = key.substr(1); // another program copies text
            continue;
        }
        if (key == "!write" || key == "!read" || key == "!ok") {
            clipboard.failWrites = key == "!write" || (key != "!ok" && clipboard.failWrites);
            clipboard.failReads = key == "!read" || (key != "!ok" && clipboard.failReads);
            continue;
        }
        if (key == "Enter") {
            if (platform::Button* holder = rule.holder())
                press(captionOf(*holder));
            continue;
        }
        const ControlDesign* button = buttonWithCaption(key);
        if (!button) {
            std::fprintf(stderr, "no key with caption '%s'\n", key.c_str());
            std::abort();
        }
        engine::dispatchClick([this, click = button->click] { click(controls, messages); },
                              messages);
    }
}

std::string MemoryForm::captionOf(const platform::Button& button) const {
    const std::pair<const MemoryButton*, const char*> buttons[] = {
        {&Somma, "+"},    {&Differenza, "-"},  {&Prodotto, "x"},           {&Divisione, "/"},
        {&Potenza, "yX"}, {&Percentuale, "%"}, {&FunzioneInversa, "2ndF"}, {&Risultato, "="},
    };
    for (const auto& [candidate, caption] : buttons) {
        if (candidate == &button)
            return caption;
    }
    return "?";
}

std::string MemoryForm::defaultButton() const {
    const platform::Button* holder = rule.holder();
    return holder ? captionOf(*holder) : "";
}

std::string MemoryForm::digitList() const {
    std::string joined;
    for (const std::string& item : List1.items)
        joined += item;
    return joined;
}

} // namespace testing
