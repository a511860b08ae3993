#include "Win32Clipboard.h"

#include <chrono>
#include <cstring>
#include <thread>

#include "Utf16.h"

namespace platform::win32 {

namespace {

// Long enough to outlast another program's own copy or paste, short enough not to be noticed.
constexpr auto kPatience = std::chrono::milliseconds(500);
constexpr auto kRetryEvery = std::chrono::milliseconds(10);

// The clipboard, open for as long as this lives.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (!OpenClipboard(owner)) {
            if (std::chrono::steady_clock::now() >= deadline)
                throw ClipboardError("the clipboard is held by another program");
            std::this_thread::sleep_for(kRetryEvery);
        }
    }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

} // namespace

std::string Win32Clipboard::text() const {
    const OpenClipboardScope open(m_owner);
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        return {}; // no text on the clipboard
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (!text)
        throw ClipboardError("the clipboard's text cannot be read");
    // Bounded by the memory block, in case another program left out the final NUL.
    const std::size_t room = GlobalSize(data) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < room && text[length] != L'\0')
        ++length;
    std::string utf8 = toUtf8(std::wstring_view(text, length));
    GlobalUnlock(data);
    return utf8;
}

void Win32Clipboard::setText(std::string_view text) {
    const std::wstring utf16 = toUtf16(text);
    const std::size_t bytes = (utf16.size() + 1) * sizeof(wchar_t);
    const OpenClipboardScope open(m_owner);
    if (!EmptyClipboard())
        throw ClipboardError("the clipboard cannot be emptied");
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block)
        throw ClipboardError("no memory for the clipboard");
    std::memcpy(GlobalLock(block), utf16.c_str(), bytes);
    GlobalUnlock(block);
    if (!SetClipboardData(CF_UNICODETEXT, block)) {
        GlobalFree(block);
        throw ClipboardError("the clipboard cannot be written");
    }
}

} // namespace platform::win32
