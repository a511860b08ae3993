#include "platform/win32/WindowsApi.h"

#include <objbase.h>
#include <stdexcept>

#include "Form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // The accessibility annotations are COM objects of this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    try {
        app::win32::Form1 form(instance);
        form.show(show);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (form.handleKey(message) || IsDialogMessageW(form.handle(), &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        status = static_cast<int>(message.wParam);
    } catch (const std::runtime_error&) {
        MessageBoxW(nullptr, L"La finestra della calcolatrice non può essere creata.", L"BRENOLDI",
                    MB_OK | MB_ICONERROR);
        status = 1;
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return status;
}
