#include "platform/win32/WindowsApi.h"

#include <new>
#include <objbase.h>
#include <string>

#include "Form1.h"
#include "Handles.h"
#include "StartError.h"
#include "platform/win32/Utf16.h"

namespace {

// The one box a failure shows, saying what failed: at start, or once the calculator runs, of a
// failure its own clicks do not report (they end in a box of their own); the program then ends.
// By then Form1 has let go of all it made, its window first, so the box's own message loop
// reaches nothing of it.
void tellWhatFailed(bool started, const std::string& what) {
    const std::wstring text =
        (started ? L"La calcolatrice si è fermata per un errore: "
                 : L"La finestra della calcolatrice non può essere creata: ") +
        platform::win32::toUtf16(what) + L".";
    MessageBoxW(nullptr, text.c_str(), L"BRENOLDI", MB_OK | MB_ICONERROR);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // The accessibility annotations are COM objects of this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 1;
    bool started = false;
    try {
        app::win32::Form1 form(instance);
        started = true;
        form.show(show);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (form.handleKey(message) || IsDialogMessageW(form.handle(), &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        status = static_cast<int>(message.wParam);
    } catch (const app::win32::StartError& error) {
        tellWhatFailed(false, error.what());
    } catch (const std::bad_alloc&) {
        tellWhatFailed(started, "memoria insufficiente");
    } catch (const std::exception& error) {
        tellWhatFailed(started, error.what());
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
