#include "MemoryControls.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "form/Form1Design.h"

namespace testing {

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

namespace {

// Every control of one kind in the design table, made with `arguments`.
template <class Control, class... Arguments>
form::ControlsByName<Control> makeAll(form::ControlKind kind, Arguments&... arguments) {
    form::ControlsByName<Control> made;
    for (const form::ControlDesign& design : form::kForm1Controls) {
        if (design.kind == kind)
            made.emplace(design.name, std::make_unique<Control>(arguments...));
    }
    return made;
}

} // namespace

MemoryForm::MemoryForm()
    : buttons(makeAll<MemoryButton>(form::ControlKind::Button, rule)),
      textBoxes(makeAll<MemoryTextBox>(form::ControlKind::TextBox)),
      listBoxes(makeAll<MemoryListBox>(form::ControlKind::ListBox)), Text1(textBox("Text1")),
      Text2(textBox("Text2")), List1(listBox("List1")),
      wiring(form::Form1Parts{*this, rule, clipboard, messages, announcer}) {
    for (const form::ControlDesign& design : form::kForm1Controls) {
        if (design.kind == form::ControlKind::Button)
            button(design.name).clicked = [this, &design] { wiring.click(design); };
    }
    wiring.setInitialState();
}

MemoryButton& MemoryForm::button(std::string_view name) const {
    return form::controlNamed(buttons, name);
}

MemoryTextBox& MemoryForm::textBox(std::string_view name) const {
    return form::controlNamed(textBoxes, name);
}

MemoryListBox& MemoryForm::listBox(std::string_view name) const {
    return form::controlNamed(listBoxes, name);
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
            wiring.pressEnter(form::designNamed("Text1"));
            continue;
        }
        const form::ControlDesign* design = form::buttonCaptioned(key);
        if (!design) {
            std::fprintf(stderr, "no key with caption '%s'\n", key.c_str());
            std::abort();
        }
        button(design->name).click();
    }
}

std::string MemoryForm::defaultButton() const {
    const platform::Button* holder = rule.holder();
    if (!holder)
        return "";
    for (const auto& [name, candidate] : buttons) {
        if (candidate.get() == holder)
            return form::designNamed(name)->caption;
    }
    return "?";
}

std::string MemoryForm::digitList() const {
    std::string joined;
    for (const std::string& item : List1.items)
        joined += item;
    return joined;
}

} // namespace testing
