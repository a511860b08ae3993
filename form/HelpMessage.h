#pragma once

namespace platform {
class MessageBox;
}

namespace form {

// The one fixed help paragraph: how to type decimal numbers into the display.
extern const char* const kHelpText;

// Shows the help in a modal box with no icon and waits until it is closed. Changes no state.
void Guida_Click(platform::MessageBox& box);

} // namespace form
