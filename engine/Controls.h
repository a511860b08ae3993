#pragma once

// The calculator engine: the click handlers of the keys and the number text conversions.
// The engine keeps no state of its own. Everything it knows between clicks lives in the window's
// controls and on the desktop clipboard, which it reaches only through platform's interfaces:
//   - the display Text1 holds the entry, a result or a message;
//   - the digit list List1 holds the digits clicked since it was last emptied;
//   - the clipboard holds the first operand of a pending operation, as text;
//   - the pending operation is the operator button holding the default-button property, and the
//     2ndF state is that property on FunzioneInversa.

namespace platform {
class Button;
class Clipboard;
class ListBox;
class TextBox;
} // namespace platform

namespace engine {

// What the handlers read and write. The window owns all of it; this only names it.
struct Controls {
    platform::TextBox& Text1; // the display
    platform::TextBox& Text2; // the 2ndF indicator
    platform::ListBox& List1; // the hidden digit list
    platform::Button& Somma;
    platform::Button& Differenza;
    platform::Button& Prodotto;
    platform::Button& Divisione;
    platform::Button& Potenza;
    platform::Button& Percentuale;
    platform::Button& FunzioneInversa;
    platform::Clipboard& clipboard;
};

} // namespace engine
