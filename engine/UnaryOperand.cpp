#include "UnaryOperand.h"

#include "Controls.h"
#include "NumberText.h"
#include "platform/Clipboard.h"
#include "platform/TextBox.h"

namespace engine {

double operandThroughClipboard(Controls& form) {
    form.clipboard.setText(form.Text1.text());
    return TextToNumber(form.clipboard.text());
}

} // namespace engine
