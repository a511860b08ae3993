#include "Win32ListBox.h"

#include <new>

#include "Utf16.h"

namespace platform::win32 {

void Win32ListBox::addItem(std::string_view item) {
    const LRESULT added =
        SendMessageW(m_list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toUtf16(item).c_str()));
    if (added == LB_ERR || added == LB_ERRSPACE)
        throw std::bad_alloc();
}

std::string Win32ListBox::item(std::size_t index) const {
    if (index >= count())
        return {};
    const auto position = static_cast<WPARAM>(index);
    std::wstring text(
        static_cast<std::size_t>(SendMessageW(m_list, LB_GETTEXTLEN, position, 0)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        SendMessageW(m_list, LB_GETTEXT, position, reinterpret_cast<LPARAM>(text.data()))));
    return toUtf8(text);
}

std::size_t Win32ListBox::count() const {
    return static_cast<std::size_t>(SendMessageW(m_list, LB_GETCOUNT, 0, 0));
}

void Win32ListBox::clear() {
    SendMessageW(m_list, LB_RESETCONTENT, 0, 0);
}

} // namespace platform::win32
