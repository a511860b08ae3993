#pragma once

#include "platform/win32/WindowsApi.h"

#include "platform/ListBox.h"

namespace platform::win32 {

// A ListBox kept in a LISTBOX control that its window owns.
class Win32ListBox final : public ListBox {
public:
    explicit Win32ListBox(HWND list) : m_list(list) {}

    void addItem(std::string_view item) override;
    std::string item(std::size_t index) const override;
    std::size_t count() const override;
    void clear() override;
    HWND handle() const { return m_list; }

private:
    HWND m_list;
};

} // namespace platform::win32
