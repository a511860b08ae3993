#pragma once

#include "platform/win32/WindowsApi.h"

#include <oleacc.h>

namespace platform::win32 {

// The system's accessibility annotation service (IAccPropServices), through which a plain Win32
// control gets what screen readers say of it. Released when this goes; empty where Windows has
// none (the controls then keep what the system says of them by itself).
class Annotations {
public:
    Annotations();
    ~Annotations();
    Annotations(const Annotations&) = delete;
    Annotations& operator=(const Annotations&) = delete;

    explicit operator bool() const { return m_service != nullptr; }
    IAccPropServices* operator->() const { return m_service; }

private:
    IAccPropServices* m_service = nullptr;
};

} // namespace platform::win32
