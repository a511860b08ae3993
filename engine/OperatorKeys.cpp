#include "OperatorKeys.h"

#include "Controls.h"
#include "platform/Button.h"
#include "platform/Clipboard.h"
#include "platform/ListBox.h"
#include "platform/TextBox.h"

namespace engine {

void SelectOperation(Controls& form, platform::Button& key) {
    // The clipboard comes first: if it cannot be written, the entry and the pending operation
    // must stay as they were.
    form.clipboard.setText(form.Text1.text());
    form.List1.clear();
    form.Text1.setText("");
    key.setDefault(true);
}

void Somma_Click(Controls& form) {
    SelectOperation(form, form.Somma);
}
void Differenza_Click(Controls& form) {
    SelectOperation(form, form.Differenza);
}
void Prodotto_Click(Controls& form) {
    SelectOperation(form, form.Prodotto);
}
void Divisione_Click(Controls& form) {
    SelectOperation(form, form.Divisione);
}
void Potenza_Click(Controls& form) {
    SelectOperation(form, form.Potenza);
}
void Percentuale_Click(Controls& form) {
    SelectOperation(form, form.Percentuale);
}

} // namespace engine
