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

// A global memory block, locked for as long as this lives.
class LockedBlock {
public:
    explicit LockedBlock(HANDLE block) : m_block(block), m_data(GlobalLock(block)) {
        if (!m_data)
            throw ClipboardError("the clipboard's text cannot be reached");
    }
    ~LockedBlock() { GlobalUnlock(m_block); }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;

    void* data() const { return m_data; }

private:
    HANDLE m_block;
    void* m_data;
};

// A block for the clipboard, freed unless the clipboard took it.
class ClipboardBlock {
public:
    explicit ClipboardBlock(std::size_t bytes) : m_block(GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (!m_block)
            throw ClipboardError("no memory for the clipboard");
    }
    ~ClipboardBlock() {
        if (m_block)
            GlobalFree(m_block);
    }
    ClipboardBlock(const ClipboardBlock&) = delete;
    ClipboardBlock& operator=(const ClipboardBlock&) = delete;

    HGLOBAL get() const { return m_block; }
    void handedOver() { m_block = nullptr; }

private:
    HGLOBAL m_block;
};

} // namespace

std::string Win32Clipboard::text() const {
    const OpenClipboardScope open(m_owner);
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT))
        return {}; // no text on the clipboard
    // An owner that announced text and then failed to render it gives none: that is a failure,
    // not an empty clipboard.
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data)
        throw ClipboardError("the clipboard's owner did not give its text");
    const LockedBlock locked(data);
    const auto* text = static_cast<const wchar_t*>(locked.data());
    // Bounded by the memory block, in case another program left out the final NUL.
    const std::size_t room = GlobalSize(data) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < room && text[length] != L'\0')
        ++length;
    return toUtf8(std::wstring_view(text, length));
}

void Win32Clipboard::setText(std::string_view text) {
    // Everything is prepared before the clipboard is emptied, so a failure leaves what the user
    // had copied in place.
    const std::wstring utf16 = toUtf16(text);
    const std::size_t bytes = (utf16.size() + 1) * sizeof(wchar_t);
    ClipboardBlock block(bytes);
    {
        const LockedBlock locked(block.get());
        std::memcpy(locked.data(), utf16.c_str(), bytes);
    }
    const OpenClipboardScope open(m_owner);
    if (!EmptyClipboard())
        throw ClipboardError("the clipboard cannot be emptied");
    if (!SetClipboardData(CF_UNICODETEXT, block.get()))
        throw ClipboardError("the clipboard cannot be written");
    block.handedOver(); // the clipboard owns it now
}

} // namespace platform::win32
