// The arithmetic rule: a step yields a finite double or fails with the kind of error it met.

#include <QtTest>
#include <cmath>
#include <functional>
#include <limits>

#include "engine/Arithmetic.h"
#include "engine/ArithmeticError.h"

using engine::ArithmeticError;
using Kind = ArithmeticError::Kind;
using Operation = std::function<double(double, double)>;

Q_DECLARE_METATYPE(Operation)

namespace {
// No error expected: the result column holds the value.
constexpr int kNoError = -1;
} // namespace

class ArithmeticTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stepsYieldFiniteResultsOrFail_data();
    void stepsYieldFiniteResultsOrFail();
};

void ArithmeticTest::stepsYieldFiniteResultsOrFail_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("right");
    QTest::addColumn<double>("result");
    QTest::addColumn<int>("error");

    const Operation add = engine::add, subtract = engine::subtract, multiply = engine::multiply,
                    divide = engine::divide, power = engine::power,
                    divideTestingFlags = engine::divideTestingFlags;
    const Operation root = [](double x, double) { return engine::squareRoot(x); };
    const Operation log = [](double x, double) { return engine::naturalLog(x); };
    const int overflow = int(Kind::Overflow), byZero = int(Kind::DivisionByZero),
              invalid = int(Kind::InvalidOperation);

    QTest::newRow("sum") << add << 12.0 << 3.0 << 15.0 << kNoError;
    QTest::newRow("sum overflows") << add << 1e308 << 1e308 << 0.0 << overflow;
    QTest::newRow("difference overflows") << subtract << -1e308 << 1e308 << 0.0 << overflow;
    QTest::newRow("product overflows") << multiply << 1e308 << 10.0 << 0.0 << overflow;
    QTest::newRow("product underflows to 0") << multiply << 1e-200 << 1e-200 << 0.0 << kNoError;
    QTest::newRow("quotient") << divide << 12.0 << 3.0 << 4.0 << kNoError;
    QTest::newRow("division by zero") << divide << 1.0 << 0.0 << 0.0 << byZero;
    QTest::newRow("division by negative zero") << divide << 1.0 << -0.0 << 0.0 << byZero;
    QTest::newRow("quotient overflows") << divide << 1.0 << 1e-309 << 0.0 << overflow;
    QTest::newRow("negative base, odd power") << power << -2.0 << 3.0 << -8.0 << kNoError;
    QTest::newRow("negative base, fractional power") << power << -8.0 << 1.0 / 3 << 0.0 << invalid;
    QTest::newRow("zero to a negative power") << power << 0.0 << -1.0 << 0.0 << invalid;
    QTest::newRow("power overflows") << power << 10.0 << 400.0 << 0.0 << overflow;
    QTest::newRow("power underflows to 0") << power << 2.0 << -1075.0 << 0.0 << kNoError;
    QTest::newRow("root") << root << 9.0 << 0.0 << 3.0 << kNoError;
    QTest::newRow("root of a negative") << root << -1.0 << 0.0 << 0.0 << invalid;
    QTest::newRow("logarithm of 1") << log << 1.0 << 0.0 << 0.0 << kNoError;
    QTest::newRow("logarithm of 0") << log << 0.0 << 0.0 << 0.0 << invalid;
    // An operand read from a text beyond the double range.
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    QTest::newRow("finite by infinite") << divide << 5.0 << kInfinity << 0.0 << kNoError;
    QTest::newRow("root of infinity") << root << kInfinity << 0.0 << 0.0 << overflow;
    QTest::newRow("logarithm of infinity") << log << kInfinity << 0.0 << 0.0 << overflow;
    QTest::newRow("zero times infinity") << multiply << 0.0 << kInfinity << 0.0 << invalid;
    QTest::newRow("flags: quotient") << divideTestingFlags << 1.0 << 4.0 << 0.25 << kNoError;
    QTest::newRow("flags: division by zero") << divideTestingFlags << 1.0 << 0.0 << 0.0 << byZero;
    QTest::newRow("flags: zero by zero") << divideTestingFlags << 0.0 << 0.0 << 0.0 << invalid;
    QTest::newRow("flags: overflow") << divideTestingFlags << 1e308 << 1e-308 << 0.0 << overflow;
    QTest::newRow("flags: underflow is no error")
        << divideTestingFlags << 1e-308 << 1e308 << 0.0 << kNoError;
}

void ArithmeticTest::stepsYieldFiniteResultsOrFail() {
    QFETCH(Operation, operation);
    QFETCH(double, left);
    QFETCH(double, right);
    QFETCH(double, result);
    QFETCH(int, error);

    try {
        const double value = operation(left, right);
        QCOMPARE(error, kNoError);
        QCOMPARE(value, result);
    } catch (const ArithmeticError& failure) {
        QCOMPARE(int(failure.kind()), error);
    }
}

QTEST_APPLESS_MAIN(ArithmeticTest)
#include "tst_arithmetic.moc"
