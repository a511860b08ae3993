#pragma once

// A front-end's controls of one kind, kept by their design names ("Command1", "Text1").

#include <map>
#include <memory>
#include <string_view>

namespace form {

template <class Control>
using ControlsByName = std::map<std::string_view, std::unique_ptr<Control>>;

// The control called `name`; the program stops on a name the window has not, a mistake in the
// program rather than anything a user can cause.
[[noreturn]] void noControlNamed(std::string_view name);

template <class Control>
Control& controlNamed(const ControlsByName<Control>& controls, std::string_view name) {
    const auto found = controls.find(name);
    if (found == controls.end())
        noControlNamed(name);
    return *found->second;
}

} // namespace form
