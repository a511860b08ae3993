// The arithmetic rule: a step yields a finite double or fails with the kind of error it met.

#include <cmath>
#include <doctest/doctest.h>
#include <functional>
#include <limits>

#include "engine/Arithmetic.h"
#include "engine/ArithmeticError.h"

using engine::ArithmeticError;
using Kind = ArithmeticError::Kind;
using Operation = std::function<double(double, double)>;

namespace {
// No error expected: the result column holds the value.
constexpr int kNoError = -1;

struct Row {
    const char* name;
    Operation operation;
    double left, right, result;
    int error;
};
} // namespace

TEST_CASE("steps yield finite results or fail") {
    const Operation add = engine::add, subtract = engine::subtract, multiply = engine::multiply,
                    divide = engine::divide, power = engine::power,
                    divideTestingFlags = engine::divideTestingFlags;
    const Operation root = [](double x, double) { return engine::squareRoot(x); };
    const Operation log = [](double x, double) { return engine::naturalLog(x); };
    const int overflow = int(Kind::Overflow), byZero = int(Kind::DivisionByZero),
              invalid = int(Kind::InvalidOperation);

    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {"sum", add, 12.0, 3.0, 15.0, kNoError},
        {"sum overflows", add, 1e308, 1e308, 0.0, overflow},
        {"difference overflows", subtract, -1e308, 1e308, 0.0, overflow},
        {"product overflows", multiply, 1e308, 10.0, 0.0, overflow},
        {"product underflows to 0", multiply, 1e-200, 1e-200, 0.0, kNoError},
        {"quotient", divide, 12.0, 3.0, 4.0, kNoError},
        {"division by zero", divide, 1.0, 0.0, 0.0, byZero},
        {"division by negative zero", divide, 1.0, -0.0, 0.0, byZero},
        {"quotient overflows", divide, 1.0, 1e-309, 0.0, overflow},
        {"negative base, odd power", power, -2.0, 3.0, -8.0, kNoError},
        {"negative base, fractional power", power, -8.0, 1.0 / 3, 0.0, invalid},
        {"zero to a negative power", power, 0.0, -1.0, 0.0, invalid},
        {"power overflows", power, 10.0, 400.0, 0.0, overflow},
        {"power underflows to 0", power, 2.0, -1075.0, 0.0, kNoError},
        {"root", root, 9.0, 0.0, 3.0, kNoError},
        {"root of a negative", root, -1.0, 0.0, 0.0, invalid},
        {"logarithm of 1", log, 1.0, 0.0, 0.0, kNoError},
        {"logarithm of 0", log, 0.0, 0.0, 0.0, invalid},
        // An operand read from a text beyond the double range.
        {"finite by infinite", divide, 5.0, kInfinity, 0.0, kNoError},
        {"root of infinity", root, kInfinity, 0.0, 0.0, overflow},
        {"logarithm of infinity", log, kInfinity, 0.0, 0.0, overflow},
        {"zero times infinity", multiply, 0.0, kInfinity, 0.0, invalid},
        {"flags: quotient", divideTestingFlags, 1.0, 4.0, 0.25, kNoError},
        {"flags: division by zero", divideTestingFlags, 1.0, 0.0, 0.0, byZero},
        {"flags: zero by zero", divideTestingFlags, 0.0, 0.0, 0.0, invalid},
        {"flags: overflow", divideTestingFlags, 1e308, 1e-308, 0.0, overflow},
        {"flags: underflow is no error", divideTestingFlags, 1e-308, 1e308, 0.0, kNoError},
    };
    for (const Row& row : rows) {
        INFO("row: ", row.name);
        try {
            const double value = row.operation(row.left, row.right);
            CHECK(row.error == kNoError);
            CHECK(value == row.result);
        } catch (const ArithmeticError& failure) {
            CHECK(int(failure.kind()) == row.error);
        }
    }
}
