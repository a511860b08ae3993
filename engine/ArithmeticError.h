#pragma once

#include <stdexcept>

namespace engine {

// A step of arithmetic whose exact result is not a finite double. It ends the click at that
// step; the one place that dispatches clicks tells the user which kind it was.
class ArithmeticError : public std::runtime_error {
public:
    enum class Kind { Overflow, DivisionByZero, InvalidOperation };

    explicit ArithmeticError(Kind kind);
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

} // namespace engine
