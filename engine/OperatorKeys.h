#pragma once

// The six operator keys store the display as the first operand on the clipboard and become the
// window's default button, which is what makes their operation the pending one.

namespace platform {
class Button;
}

namespace engine {

struct Controls;

// Puts the display text on the clipboard unchanged, empties the digit list and the display, and
// makes `key` the default button (ending a pending operation or the 2ndF state).
void SelectOperation(Controls& form, platform::Button& key);

void Somma_Click(Controls& form);
void Differenza_Click(Controls& form);
void Prodotto_Click(Controls& form);
void Divisione_Click(Controls& form);
void Potenza_Click(Controls& form);
void Percentuale_Click(Controls& form);

} // namespace engine
