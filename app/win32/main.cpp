#include "platform/win32/WindowsApi.h"

#include <objbase.h>

#include "Form1Window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // The accessibility annotations are COM objects of this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Form1Window form(instance);
    form.show(show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.handleKey(message) || IsDialogMessageW(form.handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (SUCCEEDED(com))
        CoUninitialize();
    return static_cast<int>(message.wParam);
}
