#pragma once

// 2ndF switches the second-function state, which is the default-button property of
// FunzioneInversa; log and ln show logarithms, or with 2ndF on the antilogarithms 10^x and e^x.
// Both put the display text on the clipboard first, replacing a pending first operand.

namespace engine {

struct Controls;

// Toggles the 2ndF state and shows "2ndF" or nothing in the indicator. Touches nothing else.
void FunzioneInversa_Click(Controls& form);

// Decimal logarithm of a positive display value (empty display otherwise); with 2ndF on, 10^x
// for x < 309, else "N° grande <max 308>". Turns 2ndF off and empties the indicator.
void LogaritmoDecimale_Click(Controls& form);

// Natural logarithm of a positive display value (empty display otherwise); with 2ndF on, e^x for
// x <= 709, else "N° grande <max 709>". Turns 2ndF off; leaves the indicator alone.
void Logaritmo_Click(Controls& form);

} // namespace engine
