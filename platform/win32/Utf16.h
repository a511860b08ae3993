#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// The calculator's texts are UTF-8; the Windows API's are UTF-16.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

} // namespace platform::win32
