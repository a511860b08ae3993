#include "LogarithmKeys.h"

#include "Arithmetic.h"
#include "Controls.h"
#include "NumberText.h"
#include "UnaryOperand.h"
#include "platform/Button.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"

namespace engine {

namespace {

constexpr const char* kSecondFunction = "2ndF";
constexpr double kDecimalBase = 10;
// 10^x overflows from about 308.2547 on; the bound only catches the bulk of that range, and the
// rest fails as an overflow of the power itself.
constexpr double kDecimalAntilogBound = 309;
constexpr const char* kDecimalAntilogTooLarge = "N° grande <max 308>";
// e cut to twelve decimals (bit pattern 0x4005BF0A8B145703), not the double nearest to e.
constexpr double kNaturalBase = 2.718281828459;
// kNaturalBase^709 is about 8.2184E+307, still a double.
constexpr double kNaturalAntilogBound = 709;
constexpr const char* kNaturalAntilogTooLarge = "N° grande <max 709>";

} // namespace

void FunzioneInversa_Click(Controls& form) {
    form.FunzioneInversa.setDefault(!form.FunzioneInversa.isDefault());
    form.Text2.setText(form.FunzioneInversa.isDefault() ? kSecondFunction : "");
}

void LogaritmoDecimale_Click(Controls& form) {
    const double x = operandThroughClipboard(form);
    if (form.FunzioneInversa.isDefault()) {
        if (x < kDecimalAntilogBound) {
            form.Text2.setText(kSecondFunction);
            form.Text1.setText(NumberToText(power(kDecimalBase, x)));
        } else {
            form.Text1.setText(kDecimalAntilogTooLarge);
        }
    } else if (x > 0) {
        form.Text1.setText(
            NumberToText(divideTestingFlags(naturalLog(x), naturalLog(kDecimalBase))));
    } else {
        form.Text1.setText("");
    }
    form.FunzioneInversa.setDefault(false);
    form.Text2.setText("");
    form.List1.clear();
}

void Logaritmo_Click(Controls& form) {
    const double x = operandThroughClipboard(form);
    if (form.FunzioneInversa.isDefault()) {
        if (x <= kNaturalAntilogBound)
            form.Text1.setText(NumberToText(power(kNaturalBase, x)));
        else
            form.Text1.setText(kNaturalAntilogTooLarge);
    } else if (x > 0) {
        form.Text1.setText(NumberToText(naturalLog(x)));
    } else {
        form.Text1.setText("");
    }
    form.FunzioneInversa.setDefault(false);
    form.List1.clear();
}

} // namespace engine
