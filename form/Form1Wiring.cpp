#include "Form1Wiring.h"

#include <vector>

#include "Form1Design.h"
#include "engine/ClickDispatch.h"
#include "platform/Announcer.h"
#include "platform/Button.h"
#include "platform/DefaultButtonRule.h"
#include "platform/TextBox.h"

namespace form {

namespace {

constexpr const char* kSecondFunctionOn = "seconda funzione attiva";
constexpr const char* kSecondFunctionOff = "seconda funzione disattivata";
// Said after an operator key has taken the operation: the display only empties, and the key's
// default-button state is not what screen readers speak.
constexpr const char* kPending = "in attesa: ";

std::vector<const ControlDesign*> visitedByTab() {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& design : kForm1Controls) {
        if (design.visible && design.kind != ControlKind::ListBox)
            order.push_back(&design);
    }
    return order;
}

} // namespace

Form1Wiring::Form1Wiring(const Form1Parts& parts)
    : m_controls(parts.controls), m_defaultButton(parts.defaultButton), m_messages(parts.messages),
      m_announcer(parts.announcer), m_engine{m_controls.textBox("Text1"),
                                             m_controls.textBox("Text2"),
                                             m_controls.listBox("List1"),
                                             m_controls.button("Somma"),
                                             m_controls.button("Differenza"),
                                             m_controls.button("Prodotto"),
                                             m_controls.button("Divisione"),
                                             m_controls.button("Potenza"),
                                             m_controls.button("Percentuale"),
                                             m_controls.button("FunzioneInversa"),
                                             parts.clipboard} {}

void Form1Wiring::setInitialState() {
    m_controls.button("Risultato").setDefault(true);
}

const ControlDesign& Form1Wiring::firstFocus() {
    return *tabOrder().front();
}

std::span<const ControlDesign* const> Form1Wiring::tabOrder() {
    static const std::vector<const ControlDesign*> order = visitedByTab();
    return order;
}

void Form1Wiring::click(const ControlDesign& button) {
    const Spoken before = spokenState();
    engine::dispatchClick([this, &button] { button.click(m_engine, m_messages); }, m_messages);
    m_announcer.announce(news(before, button));
}

void Form1Wiring::pressEnter(const ControlDesign* focused) {
    platform::Button* focusedButton = focused && focused->kind == ControlKind::Button
                                          ? &m_controls.button(focused->name)
                                          : nullptr;
    if (platform::Button* target = m_defaultButton.buttonForEnter(focusedButton))
        target->click();
}

Form1Wiring::Spoken Form1Wiring::spokenState() const {
    return {m_engine.Text1.text(), m_engine.FunzioneInversa.isDefault()};
}

bool Form1Wiring::isOperatorKey(const platform::Button& button) const {
    for (const platform::Button* key :
         {&m_engine.Somma, &m_engine.Differenza, &m_engine.Prodotto, &m_engine.Divisione,
          &m_engine.Potenza, &m_engine.Percentuale}) {
        if (key == &button)
            return true;
    }
    return false;
}

platform::News Form1Wiring::news(const Spoken& before, const ControlDesign& clicked) const {
    // The focus stays on the key just clicked, so a screen reader would not read the display by
    // itself: a new result or message is announced, an operation taken, and the 2ndF state when
    // it changes.
    const Spoken after = spokenState();
    platform::News news;
    const platform::Button& key = m_controls.button(clicked.name);
    if (isOperatorKey(key) && key.isDefault())
        news.operation = kPending + std::string(clicked.spokenName);
    if (after.display != before.display)
        news.display = after.display;
    if (after.secondFunction != before.secondFunction)
        news.secondFunction = after.secondFunction ? kSecondFunctionOn : kSecondFunctionOff;
    return news;
}

} // namespace form
