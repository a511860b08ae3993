#pragma once

namespace engine {

struct Controls;

// The first steps of every unary key: the display text goes to the clipboard, replacing a pending
// first operand, and the operand is the value of the text read back from there.
double operandThroughClipboard(Controls& form);

} // namespace engine
