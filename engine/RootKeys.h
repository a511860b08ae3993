#pragma once

// Rad and 1/x: unary keys shaped like log and ln (display text to the clipboard, operand read
// back, result shown, indicator and digit list emptied) that leave the 2ndF state alone.

namespace engine {

struct Controls;

// Square root; for a negative number the root of its magnitude followed by " i".
void Radice_Click(Controls& form);

// Reciprocal; an empty display for 0.
void Reciproco_Click(Controls& form);

} // namespace engine
