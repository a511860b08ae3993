#include "HelpMessage.h"

#include "platform/MessageBox.h"

namespace form {

const char* const kHelpText =
    "Per inserire i numeri decimali occorre fare doppio click nella finestra di Input/Output, "
    "ed in seguito usare i tasti della tastiera. Per inserire la virgola utilizzare il punto.";

void Guida_Click(platform::MessageBox& box) {
    box.show(kHelpText, platform::MessageBox::Icon::None);
}

} // namespace form
