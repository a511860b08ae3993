#include "DigitKeys.h"

#include <cstddef>
#include <string>

#include "Controls.h"
#include "NumberText.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"

namespace engine {

namespace {
// The display shows the first twelve digits; later ones stay in the list unseen.
constexpr std::size_t kShownDigits = 12;
} // namespace

void AppendDigit(Controls& form, int digit) {
    form.List1.addItem(NumberToText(digit));
    // Reads all twelve positions whatever the count: past the end an item reads as "".
    std::string shown;
    for (std::size_t position = 0; position < kShownDigits; ++position)
        shown += form.List1.item(position);
    form.Text1.setText(shown);
}

void Command1_Click(Controls& form) {
    AppendDigit(form, 1);
}
void Command2_Click(Controls& form) {
    AppendDigit(form, 2);
}
void Command3_Click(Controls& form) {
    AppendDigit(form, 3);
}
void Command4_Click(Controls& form) {
    AppendDigit(form, 4);
}
void Command5_Click(Controls& form) {
    AppendDigit(form, 5);
}
void Command6_Click(Controls& form) {
    AppendDigit(form, 6);
}
void Command7_Click(Controls& form) {
    AppendDigit(form, 7);
}
void Command8_Click(Controls& form) {
    AppendDigit(form, 8);
}
void Command9_Click(Controls& form) {
    AppendDigit(form, 9);
}
void Command10_Click(Controls& form) {
    AppendDigit(form, 0);
}

void Cancella_Click(Controls& form) {
    form.List1.clear();
    form.Text1.setText("");
    form.Text2.setText("");
}

} // namespace engine
