#include "SystemMaths.h"

#include <cmath>

namespace platform {

double systemPower(double base, double exponent) {
    return std::pow(base, exponent);
}

} // namespace platform
