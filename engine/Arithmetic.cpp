#include "Arithmetic.h"

#include <cfenv>
#include <cmath>

#include "ArithmeticError.h"
#include "platform/SystemMaths.h"

namespace engine {

namespace {

using Kind = ArithmeticError::Kind;

double finite(double result) {
    if (std::isnan(result))
        throw ArithmeticError(Kind::InvalidOperation);
    if (std::isinf(result))
        throw ArithmeticError(Kind::Overflow);
    return result;
}

} // namespace

ArithmeticError::ArithmeticError(Kind kind)
    : std::runtime_error("arithmetic error"), m_kind(kind) {}

double add(double left, double right) {
    return finite(left + right);
}

double subtract(double left, double right) {
    return finite(left - right);
}

double multiply(double left, double right) {
    return finite(left * right);
}

double divide(double left, double right) {
    if (right == 0.0)
        throw ArithmeticError(Kind::DivisionByZero);
    return finite(left / right);
}

double power(double base, double exponent) {
    // pow() answers both with an infinity or a NaN; they are undefined, not overflows.
    if (base == 0.0 && exponent < 0.0)
        throw ArithmeticError(Kind::InvalidOperation);
    if (base < 0.0 && std::trunc(exponent) != exponent)
        throw ArithmeticError(Kind::InvalidOperation);
    return finite(platform::systemPower(base, exponent));
}

double squareRoot(double x) {
    if (x < 0.0)
        throw ArithmeticError(Kind::InvalidOperation);
    return finite(std::sqrt(x));
}

double naturalLog(double x) {
    if (!(x > 0.0))
        throw ArithmeticError(Kind::InvalidOperation);
    return finite(std::log(x));
}

double divideTestingFlags(double left, double right) {
    // The volatiles keep the compiler from moving the division across the flag calls.
    volatile double dividend = left;
    volatile double divisor = right;
    std::feclearexcept(FE_ALL_EXCEPT);
    volatile double quotient = dividend / divisor;
    const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (raised & FE_INVALID)
        throw ArithmeticError(Kind::InvalidOperation);
    if (raised & FE_DIVBYZERO)
        throw ArithmeticError(Kind::DivisionByZero);
    if (raised & FE_OVERFLOW)
        throw ArithmeticError(Kind::Overflow);
    return quotient;
}

} // namespace engine
