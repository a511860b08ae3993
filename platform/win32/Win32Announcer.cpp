#include "Win32Announcer.h"

#include <initguid.h> // defines the live setting's property id here

#include <oleauto.h>

#include "Annotations.h"
#include "Utf16.h"

namespace platform::win32 {

namespace {

// The UI Automation "LiveSetting" property, and its value Assertive.
// {C12BCD8E-2A8E-4950-8AE7-3625111D58EB}
DEFINE_GUID(kLiveSettingProperty, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d,
            0x58, 0xeb);
constexpr LONG kAssertive = 2;

// uiautomationcore.dll's notification, which MinGW-w64 10 does not declare: the few things
// needed, as Windows documents them.
constexpr int kNotificationKindOther = 4;
constexpr int kNotificationProcessingImportantMostRecent = 1;
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

struct UiaNotifications {
    HostProviderFromHwnd hostProvider = nullptr;
    RaiseNotificationEvent raise = nullptr;
};

// Loaded once, at the first announcement; a static import of the notification would not even
// start under Wine, whose uiautomationcore.dll has none.
const UiaNotifications& uiaNotifications() {
    static const UiaNotifications found = [] {
        UiaNotifications functions;
        if (const HMODULE core = LoadLibraryW(L"uiautomationcore.dll")) {
            functions.hostProvider = reinterpret_cast<HostProviderFromHwnd>(
                reinterpret_cast<void (*)()>(GetProcAddress(core, "UiaHostProviderFromHwnd")));
            functions.raise = reinterpret_cast<RaiseNotificationEvent>(
                reinterpret_cast<void (*)()>(GetProcAddress(core, "UiaRaiseNotificationEvent")));
        }
        return functions;
    }();
    return found;
}

std::wstring textOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Marks `control` an assertive live region. Wine answers E_NOTIMPL: then screen readers still
// get the events, only without the setting.
void makeLiveRegion(const Annotations& annotations, HWND control) {
    VARIANT assertive;
    VariantInit(&assertive);
    assertive.vt = VT_I4;
    assertive.lVal = kAssertive;
    annotations->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                             kLiveSettingProperty, assertive);
}

} // namespace

Win32Announcer::Win32Announcer(HWND window, HWND display, HWND indicator)
    : m_window(window), m_display{display, textOf(display)}, m_indicator{indicator,
                                                                         textOf(indicator)} {
    const Annotations annotations;
    if (!annotations)
        return;
    makeLiveRegion(annotations, display);
    makeLiveRegion(annotations, indicator);
}

void Win32Announcer::announce(const News& news) {
    raiseIfChanged(m_display);
    // The 2ndF state is said once: by the notification's words where Windows has notifications,
    // else by the indicator's new text.
    const bool notified = notify(news.operationAndSecondFunction());
    if (notified)
        m_indicator.lastText = textOf(m_indicator.handle);
    else
        raiseIfChanged(m_indicator);
}

void Win32Announcer::raiseIfChanged(LiveRegion& region) {
    std::wstring now = textOf(region.handle);
    if (now == region.lastText)
        return;
    region.lastText = std::move(now);
    // A display emptied by an operator key says nothing; the notification speaks for it.
    if (region.handle == m_display.handle && region.lastText.empty())
        return;
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, region.handle, OBJID_CLIENT, CHILDID_SELF);
}

bool Win32Announcer::notify(const std::string& text) {
    const UiaNotifications& uia = uiaNotifications();
    if (!uia.hostProvider || !uia.raise)
        return false;
    if (text.empty())
        return true;
    IUnknown* provider = nullptr;
    if (FAILED(uia.hostProvider(m_window, &provider)) || !provider)
        return false;
    const BSTR words = SysAllocString(toUtf16(text).c_str());
    const BSTR activity = SysAllocString(L"BRENOLDI.annuncio");
    if (words && activity)
        uia.raise(provider, kNotificationKindOther, kNotificationProcessingImportantMostRecent,
                  words, activity);
    SysFreeString(words);
    SysFreeString(activity);
    provider->Release();
    return true;
}

} // namespace platform::win32
