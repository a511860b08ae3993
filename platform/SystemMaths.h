#pragma once

namespace platform {

// base raised to exponent, as the system's C library computes it: glibc's pow on Linux
// (SystemMaths.cpp), the system runtime DLL's on Windows (win32/Win32Maths.cpp), because the pow
// MinGW links in statically is off by up to hundreds of units in the last place.
double systemPower(double base, double exponent);

} // namespace platform
