#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "ArithmeticError.h"

namespace engine {

namespace {

// Fifteen digits: every double shown reads back as the number shown, and 0.1 + 0.2 shows 0.3.
constexpr int kSignificantDigits = 15;
// Exponents are only compared against the double range; saturating far above it is harmless.
constexpr std::int64_t kExponentCap = std::int64_t{1} << 40;
// The eight largest doubles round at fifteen digits to 1.79769313486232E+308, which lies beyond the
// largest double and would read back as an infinity; they are shown cut instead of rounded.
constexpr const char* kLargestShown = "1.79769313486231E+308";
constexpr double kLargestShownValue = 1.79769313486231e308;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Walks a text with the blanks taken out.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) { skipBlanks(); }
    bool atEnd() const { return m_pos == m_text.size(); }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void advance() {
        ++m_pos;
        skipBlanks();
    }

private:
    void skipBlanks() {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// What is read of a number: its unsigned numeral in from_chars' syntax, and the decimal exponent
// of its leading significant digit, which tells an overflow from an underflow.
struct Numeral {
    std::string text;
    bool negative = false;
    bool hasNonzeroDigit = false;
    std::int64_t leadingExponent = 0;
};

std::int64_t saturate(std::int64_t value) {
    return value > kExponentCap ? kExponentCap : (value < -kExponentCap ? -kExponentCap : value);
}

// Digits with at most one point. Returns false when no digit was read.
bool readMantissa(Cursor& in, Numeral& number) {
    bool anyDigit = false;
    bool afterPoint = false;
    std::int64_t integerDigits = 0;   // significant digits before the point
    std::int64_t zerosAfterPoint = 0; // zeros between the point and the first significant digit
    for (char c = in.peek();; c = in.peek()) {
        if (isDigit(c)) {
            anyDigit = true;
            if (!number.hasNonzeroDigit && c != '0') {
                number.hasNonzeroDigit = true;
                if (!afterPoint)
                    integerDigits = 1;
            } else if (number.hasNonzeroDigit && !afterPoint) {
                integerDigits = saturate(integerDigits + 1);
            } else if (!number.hasNonzeroDigit && afterPoint) {
                zerosAfterPoint = saturate(zerosAfterPoint + 1);
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
        number.text += c;
        in.advance();
    }
    number.leadingExponent = integerDigits > 0 ? integerDigits - 1 : -(zerosAfterPoint + 1);
    return anyDigit;
}

// An exponent counts only when at least one digit follows the letter and its sign.
void readExponent(Cursor& in, Numeral& number) {
    if (in.peek() != 'E' && in.peek() != 'e')
        return;
    Cursor look = in;
    look.advance();
    bool negative = false;
    if (look.peek() == '+' || look.peek() == '-') {
        negative = look.peek() == '-';
        look.advance();
    }
    if (!isDigit(look.peek()))
        return;
    number.text += negative ? "e-" : "e";
    std::int64_t exponent = 0;
    for (char c = look.peek(); isDigit(c); c = look.peek()) {
        exponent = saturate(exponent * 10 + (c - '0'));
        number.text += c;
        look.advance();
    }
    number.leadingExponent = saturate(number.leadingExponent + (negative ? -exponent : exponent));
    in = look;
}

} // namespace

double TextToNumber(std::string_view text) {
    Cursor in(text);
    Numeral number;
    if (in.peek() == '+' || in.peek() == '-') {
        number.negative = in.peek() == '-';
        in.advance();
    }
    if (!readMantissa(in, number))
        return 0.0;
    readExponent(in, number);

    double value = 0.0;
    const char* first = number.text.data();
    const std::from_chars_result read = std::from_chars(first, first + number.text.size(), value);
    if (read.ec == std::errc::result_out_of_range) {
        // Beyond the double range: the step that uses the value decides whether that fails.
        const bool tooLarge = number.hasNonzeroDigit && number.leadingExponent > 0;
        value = tooLarge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
}

std::string NumberToText(double value) {
    if (std::isnan(value))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation);
    if (std::isinf(value))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    if (value == 0.0)
        return "0";
    if (std::fabs(value) > kLargestShownValue)
        return value < 0 ? std::string("-") + kLargestShown : kLargestShown;
    char buffer[32];
    // 32 characters hold any double at 15 digits, so the conversion cannot run out of room.
    const std::to_chars_result written = std::to_chars(
        buffer, buffer + sizeof buffer, value, std::chars_format::general, kSignificantDigits);
    std::string text(buffer, written.ptr);
    for (char& c : text) {
        if (c == 'e')
            c = 'E';
    }
    return text;
}

} // namespace engine
