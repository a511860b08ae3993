#include "MemoryControls.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "engine/ClickDispatch.h"
#include "engine/DigitKeys.h"
#include "engine/LogarithmKeys.h"
#include "engine/OperatorKeys.h"
#include "engine/ResultKey.h"
#include "engine/RootKeys.h"

namespace testing {

namespace {

using Handler = void (*)(engine::Controls&);

const std::map<std::string, Handler>& handlersByCaption() {
    static const std::map<std::string, Handler> handlers{
        {"1", engine::Command1_Click},           {"2", engine::Command2_Click},
        {"3", engine::Command3_Click},           {"4", engine::Command4_Click},
        {"5", engine::Command5_Click},           {"6", engine::Command6_Click},
        {"7", engine::Command7_Click},           {"8", engine::Command8_Click},
        {"9", engine::Command9_Click},           {"0", engine::Command10_Click},
        {"C", engine::Cancella_Click},           {"+", engine::Somma_Click},
        {"-", engine::Differenza_Click},         {"x", engine::Prodotto_Click},
        {"/", engine::Divisione_Click},          {"yX", engine::Potenza_Click},
        {"%", engine::Percentuale_Click},        {"=", engine::Risultato_Click},
        {"2ndF", engine::FunzioneInversa_Click}, {"log", engine::LogaritmoDecimale_Click},
        {"ln", engine::Logaritmo_Click},         {"Rad", engine::Radice_Click},
        {"1/x", engine::Reciproco_Click},
    };
    return handlers;
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
        const auto found = handlersByCaption().find(key);
        if (found == handlersByCaption().end()) {
            std::fprintf(stderr, "no key with caption '%s'\n", key.c_str());
            std::abort();
        }
        engine::dispatchClick([this, handler = found->second] { handler(controls); }, messages);
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
