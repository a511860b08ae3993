// Reads the calculator's window from outside, through the Windows API, for the window tests that
// run it under Wine. Prints to standard output; exits 1 when the window (or box) is not there.
//   probe controls   the window's caption and client size, then one line per control, in id order:
//                    id, class, text, left, top, width, height, visible (1/0)
//   probe text ID    the text of the control with that id
//   probe state      the id of the focused control and of the default button
//   probe box        the title and text of an open message box
//   probe design     the design table the window is built from, one line per control in table
//                    order: name, kind, caption, left, top, width, height (twips), visible (1/0)
// And as another program, until standard input closes:
//   probe live-regions     prints the control id and text of every live region that changes, as
//                          a screen reader hears of it (EVENT_OBJECT_LIVEREGIONCHANGED, hooked out
//                          of context); "listening" first
//   probe hold-clipboard   keeps the clipboard open, as a program busy with it does
//   probe fail-render      announces text on the clipboard, then fails to render it

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "form/Form1Design.h"

namespace {

std::string utf8(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), length, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(length > 0 ? length - 1 : 0));
    return out;
}

std::string textOf(HWND window) {
    wchar_t text[4096] = L"";
    SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return utf8(text);
}

HWND calculator() {
    return FindWindowW(L"BRENOLDI.Form1", nullptr);
}

// Waits until standard input closes; whatever this program holds is held until then.
void waitForTheEnd() {
    while (std::getchar() != EOF) {
    }
}

void CALLBACK liveRegionChanged(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
    std::printf("%d\t%s\n", GetDlgCtrlID(window), textOf(window).c_str());
    std::fflush(stdout);
}

int listenToLiveRegions() {
    // Out of context, so the hook is called in this thread's message loop, which ends when
    // standard input does.
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                        liveRegionChanged, 0, 0, WINEVENT_OUTOFCONTEXT);
    if (!hook)
        return 1;
    const DWORD listener = GetCurrentThreadId();
    std::thread([listener] {
        waitForTheEnd();
        PostThreadMessageW(listener, WM_QUIT, 0, 0);
    }).detach();
    std::puts("listening");
    std::fflush(stdout);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    UnhookWinEvent(hook);
    return 0;
}

int holdClipboard() {
    if (!OpenClipboard(nullptr))
        return 1;
    std::puts("holding");
    std::fflush(stdout);
    waitForTheEnd();
    CloseClipboard();
    return 0;
}

// The owner of a delayed-rendering clipboard that renders nothing when asked. Its window and
// message loop live on a thread of their own, which answers WM_RENDERFORMAT at once (STATIC's
// window procedure renders nothing), while the main thread waits for the end.
int failRender() {
    std::thread([] {
        const HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                           nullptr, nullptr);
        if (!owner || !OpenClipboard(owner))
            std::exit(1);
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, nullptr); // to be rendered on request
        CloseClipboard();
        std::puts("ready");
        std::fflush(stdout);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
    }).detach();
    waitForTheEnd();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "design") {
        constexpr const char* kKinds[] = {"button", "edit", "listbox"};
        for (const form::ControlDesign& design : form::kForm1Controls)
            std::printf("%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\n", design.name,
                        kKinds[static_cast<int>(design.kind)], design.caption, design.place.left,
                        design.place.top, design.place.width, design.place.height,
                        design.visible ? 1 : 0);
        return 0;
    }
    if (command == "hold-clipboard")
        return holdClipboard();
    if (command == "live-regions")
        return listenToLiveRegions();
    if (command == "fail-render")
        return failRender();
    if (command == "box") {
        const HWND box = FindWindowW(L"#32770", L"BRENOLDI");
        if (!box)
            return 1;
        std::printf("%s\n", textOf(box).c_str());
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t kind[64];
            GetClassNameW(child, kind, 64);
            if (lstrcmpiW(kind, L"Static") == 0 && GetWindowTextLengthW(child) > 0)
                std::printf("%s\n", textOf(child).c_str());
        }
        return 0;
    }
    const HWND window = calculator();
    if (!window)
        return 1;
    if (command == "controls") {
        RECT client;
        GetClientRect(window, &client);
        std::printf("%s\t%ld\t%ld\n", textOf(window).c_str(), client.right, client.bottom);
        for (int id = 100; id < 127; ++id) {
            const HWND control = GetDlgItem(window, id);
            if (!control)
                continue;
            wchar_t kind[64];
            GetClassNameW(control, kind, 64);
            RECT place;
            GetWindowRect(control, &place);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
            std::printf("%d\t%s\t%s\t%ld\t%ld\t%ld\t%ld\t%d\n", id, utf8(kind).c_str(),
                        textOf(control).c_str(), place.left, place.top, place.right - place.left,
                        place.bottom - place.top, IsWindowVisible(control) ? 1 : 0);
        }
    } else if (command == "text" && argc > 2) {
        const HWND control = GetDlgItem(window, std::atoi(argv[2]));
        if (!control)
            return 1;
        std::printf("%s\n", textOf(control).c_str());
    } else if (command == "state") {
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
        const int focused = thread.hwndFocus ? GetDlgCtrlID(thread.hwndFocus) : 0;
        const LRESULT defaultId = SendMessageW(window, DM_GETDEFID, 0, 0);
        std::printf("%d\t%d\n", focused, HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : 0);
    } else {
        std::fputs("usage: probe controls | text ID | state | box | design | hold-clipboard | "
                   "fail-render\n",
                   stderr);
        return 2;
    }
    return 0;
}
