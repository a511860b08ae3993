#pragma once

#include <chrono>

// How long clipboard_owner misbehaves where the tests bound what that costs a click. Plain C++,
// for the owner program and the tests alike.
namespace testing {

// A "grab" owner holds the whole X server this long before it answers.
inline constexpr std::chrono::milliseconds kOwnerGrab{3000};

} // namespace testing
