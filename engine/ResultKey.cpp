#include "ResultKey.h"

#include "Arithmetic.h"
#include "Controls.h"
#include "NumberText.h"
#include "platform/Button.h"
#include "platform/Clipboard.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"

namespace engine {

namespace {

constexpr const char* kImpossible = "Impossibile";
constexpr const char* kIndeterminate = "Indeterminata";
constexpr double kPercent = 100;

double displayValue(Controls& form) {
    return TextToNumber(form.Text1.text());
}

} // namespace

void Risultato_Click(Controls& form) {
    form.Text2.setText("");
    const double F = TextToNumber(form.clipboard.text());

    // Independent tests, not a chain: at most one button holds the property anyway.
    if (form.Somma.isDefault()) {
        const double D = displayValue(form);
        form.Text1.setText(NumberToText(add(F, D)));
    }
    if (form.Differenza.isDefault()) {
        const double D = displayValue(form);
        form.Text1.setText(NumberToText(subtract(F, D)));
    }
    if (form.Prodotto.isDefault()) {
        const double D = displayValue(form);
        form.Text1.setText(NumberToText(multiply(F, D)));
    }
    if (form.Divisione.isDefault()) {
        const double D = displayValue(form);
        if (D != 0)
            form.Text1.setText(NumberToText(divide(F, D)));
        else
            form.Text1.setText(F != 0 ? kImpossible : kIndeterminate);
    }
    if (form.Potenza.isDefault()) {
        const double D = displayValue(form);
        if (F == 0 && D == 0)
            form.Text1.setText(kIndeterminate);
        else
            form.Text1.setText(NumberToText(power(F, D)));
    }
    if (form.Percentuale.isDefault()) {
        const double D = displayValue(form);
        // The product first: (F x D) / 100, which may overflow where F x (D / 100) would not.
        form.Text1.setText(NumberToText(divide(multiply(F, D), kPercent)));
    }

    form.List1.clear();
}

} // namespace engine
