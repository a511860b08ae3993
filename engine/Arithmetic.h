#pragma once

// Double arithmetic under the calculator's rule: a step either yields a finite double or throws
// ArithmeticError. Overflow, division by zero and undefined operations (0 to a negative power, a
// negative base to a fractional power, the root or logarithm out of its domain) fail; underflow
// to 0 or a subnormal and rounding do not. An operand may be infinite (a text beyond the double
// range reads so): the step then fails unless its result is finite (5 / infinity is 0).

namespace engine {

double add(double left, double right);
double subtract(double left, double right);
double multiply(double left, double right);
double divide(double left, double right);
double power(double base, double exponent);
double squareRoot(double x);
double naturalLog(double x);

// left / right, judged by the floating-point exception flags right after the division
// (invalid, division by zero and overflow fail; underflow, denormal and inexact do not).
double divideTestingFlags(double left, double right);

} // namespace engine
