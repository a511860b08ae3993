#pragma once

class Form1;

// Connects each of the 24 buttons' click to exactly one handler, <Control>_Click, run through
// the engine's one click dispatcher. No other event of any control or of the window is handled.
void wireClicks(Form1& form);
