#pragma once

// The = key completes the pending operation: the clipboard text is the left operand, the display
// the right one. It changes neither the pending operation nor the clipboard, so a further =
// repeats the operation on the new display value.

namespace engine {

struct Controls;

// Empties the indicator, reads the first operand from the clipboard, carries out the step of the
// operator button holding the default-button property (if any), then empties the digit list.
// "Impossibile" and "Indeterminata" answer a zero divisor and 0 raised to 0.
void Risultato_Click(Controls& form);

} // namespace engine
