#include "RootKeys.h"

#include <string>

#include "Arithmetic.h"
#include "Controls.h"
#include "NumberText.h"
#include "UnaryOperand.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"

namespace engine {

namespace {

constexpr const char* kImaginaryMark = " i";

void finish(Controls& form) {
    form.Text2.setText("");
    form.List1.clear();
}

} // namespace

void Radice_Click(Controls& form) {
    const double x = operandThroughClipboard(form);
    if (x >= 0)
        form.Text1.setText(NumberToText(squareRoot(x)));
    else
        form.Text1.setText(NumberToText(squareRoot(-x)) + kImaginaryMark);
    finish(form);
}

void Reciproco_Click(Controls& form) {
    const double x = operandThroughClipboard(form);
    if (x != 0)
        form.Text1.setText(NumberToText(divide(1, x)));
    else
        form.Text1.setText("");
    finish(form);
}

} // namespace engine
