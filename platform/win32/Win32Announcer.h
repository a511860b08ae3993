#pragma once

#include "platform/win32/WindowsApi.h"

#include <string>

#include "platform/Announcer.h"

namespace platform::win32 {

// Tells Windows screen readers what a click changed, without moving the focus, each thing once.
// The display and the 2ndF indicator are live regions (assertive), and each new display text
// raises EVENT_OBJECT_LIVEREGIONCHANGED, which Narrator and NVDA read. What no display text says
// (the operation an operator key took, the 2ndF state) is raised as a UI Automation notification,
// where the system has them (Windows 10 1709 and later); where it has none, the indicator's new
// text speaks for the 2ndF state instead. Both services are looked up at run time: where one is
// missing (Wine has neither the live setting nor the notification), the other still works.
class Win32Announcer final : public Announcer {
public:
    Win32Announcer(HWND window, HWND display, HWND indicator);

    void announce(const News& news) override;

private:
    struct LiveRegion {
        HWND handle;
        std::wstring lastText;
    };
    void raiseIfChanged(LiveRegion& region);
    // Whether Windows could be told, or there was nothing to tell where it could be.
    bool notify(const std::string& text);

    HWND m_window;
    LiveRegion m_display, m_indicator;
};

} // namespace platform::win32
