#include "Colours.h"

#include <cstdlib>
#include <cwchar>

namespace app::win32 {

bool highContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
        (setting.dwFlags & HCF_HIGHCONTRASTON))
        return true;
    const wchar_t* asked = _wgetenv(L"BRENOLDI_HIGH_CONTRAST");
    return asked && std::wcscmp(asked, L"1") == 0;
}

} // namespace app::win32
