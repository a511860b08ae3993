#pragma once

// The digit keys build the entry through the hidden digit list; C clears the entry only.

namespace engine {

struct Controls;

// Appends the digit (0 to 9) to the digit list, then shows the list's first twelve items.
void AppendDigit(Controls& form, int digit);

void Command1_Click(Controls& form);
void Command2_Click(Controls& form);
void Command3_Click(Controls& form);
void Command4_Click(Controls& form);
void Command5_Click(Controls& form);
void Command6_Click(Controls& form);
void Command7_Click(Controls& form);
void Command8_Click(Controls& form);
void Command9_Click(Controls& form);
void Command10_Click(Controls& form); // the key "0"

// Empties the digit list, the display and the 2ndF indicator. The pending operation, the
// first operand on the clipboard and the 2ndF state stay.
void Cancella_Click(Controls& form);

} // namespace engine
