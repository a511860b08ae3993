#pragma once

#include <functional>

namespace platform {
class MessageBox;
}

namespace engine {

// The one place a click is run. Handlers catch nothing: an arithmetic error, a clipboard that
// cannot be used or a lack of memory ends the click where it happened and lands here, where the
// user is told in a modal box which error it was. The program goes on and the next click works.
void dispatchClick(const std::function<void()>& handler, platform::MessageBox& report);

} // namespace engine
