#include "SystemMaths.h"

#include <cmath>

#ifdef _WIN32
#include "win32/WindowsApi.h"
#endif

namespace platform {

#ifdef _WIN32
namespace {

using Power = double(__cdecl*)(double, double);

Power runtimePower() {
    // msvcrt.dll is loaded with the program, which imports it; the lookup is done once.
    HMODULE runtime = GetModuleHandleW(L"msvcrt.dll");
    if (!runtime)
        runtime = LoadLibraryW(L"msvcrt.dll");
    const FARPROC found = runtime ? GetProcAddress(runtime, "pow") : nullptr;
    return found ? reinterpret_cast<Power>(reinterpret_cast<void (*)()>(found)) : nullptr;
}

} // namespace

double systemPower(double base, double exponent) {
    static const Power power = runtimePower();
    return power ? power(base, exponent) : std::pow(base, exponent);
}
#else
double systemPower(double base, double exponent) {
    return std::pow(base, exponent);
}
#endif

} // namespace platform
