#pragma once

namespace platform {

// base raised to exponent, as the system's C library computes it. On Windows that is the pow of
// the system's runtime DLL: the one MinGW links in statically is off by up to hundreds of units in
// the last place (10^-307 shows as 1.00000000000003E-307), while the system's gives the same
// fifteen digits as glibc.
double systemPower(double base, double exponent);

} // namespace platform
