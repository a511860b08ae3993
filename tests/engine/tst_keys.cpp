// Every key's steps, as key sequences fed through the click dispatcher into in-memory controls.
// Each row gives the whole state afterwards: display, clipboard, digit list, 2ndF indicator, the
// button holding the default-button property, and the error the user was told about (if any).

#include <doctest/doctest.h>
#include <string>
#include <vector>

#include "MemoryControls.h"

namespace {

struct Row {
    std::string name, keys, display, clipboard, digits, indicator, defaultButton, message;
};

// The rows of the group being filled.
std::vector<Row> g_rows;

void addColumns() {
    g_rows.clear();
}

void row(const char* name, const char* keys, const char* display, const char* clipboard,
         const char* digits, const char* indicator, const char* defaultButton,
         const char* message = "") {
    g_rows.push_back({name, keys, display, clipboard, digits, indicator, defaultButton, message});
}

void pressAndCheck() {
    for (const Row& row : g_rows) {
        INFO("row \"", row.name, "\": ", row.keys);
        testing::MemoryForm form;
        form.press(row.keys);
        CHECK(form.Text1.value == row.display);
        CHECK(form.clipboard.value == row.clipboard);
        CHECK(form.digitList() == row.digits);
        CHECK(form.Text2.value == row.indicator);
        CHECK(form.defaultButton() == row.defaultButton);
        std::string shown;
        for (const std::string& text : form.messages.shown)
            shown += (shown.empty() ? "" : "|") + text;
        CHECK(shown == row.message);
    }
}

} // namespace

//   name, keys, display, clipboard, digits, indicator, default button[, message]

void digitsAndClear_data() {
    addColumns();
    row("start", "", "", "", "", "", "=");
    row("three digits", "1 2 3", "123", "", "123", "", "=");
    row("leading zeros stay", "0 0 7", "007", "", "007", "", "=");
    row("twelve digits", "1 2 3 4 5 6 7 8 9 0 1 2", "123456789012", "", "123456789012", "", "=");
    row("thirteenth digit kept unseen", "1 2 3 4 5 6 7 8 9 0 1 2 3", "123456789012", "",
        "1234567890123", "", "=");
    row("digit after a result", "1 2 + 3 = 4", "4", "12", "4", "", "+");
    row("digit after a message", "7 / 0 = 5", "5", "7", "5", "", "/");
    row("digit discards typed text", "'3.5 2", "2", "", "2", "", "=");
    row("typed text after digits", "1 2 '12.5 3", "123", "", "123", "", "=");
    row("typed text survives no digit key", "1 2 '12.5", "12.5", "", "12", "", "=");
    row("C keeps the pending operation", "5 + 3 C 4 =", "9", "5", "", "", "+");
    row("C blanks the indicator only", "2ndF C", "", "", "", "", "2ndF");
    row("C then log is the antilogarithm", "2ndF C 2 log", "100", "2", "", "", "");
    row("C on nothing", "C", "", "", "", "", "=");
    row("C after digits", "4 5 C", "", "", "", "", "=");
}

void operatorKeys_data() {
    addColumns();
    row("plus stores the display", "5 +", "", "5", "", "", "+");
    row("first operand outlives =", "5 + 3 =", "8", "5", "", "", "+");
    row("plus at start stores nothing", "+ 3 =", "3", "", "", "", "+");
    row("second operator stores the empty display", "5 + - 3 =", "-3", "", "", "", "-");
    row("changing operator loses the number", "5 - + 3 =", "3", "", "", "", "+");
    row("message stored unchanged", "7 / 0 = +", "", "Impossibile", "", "", "+");
    row("2ndF ends the pending operation", "5 + 2ndF =", "", "5", "", "", "2ndF");
    row("operator turns 2ndF off, indicator stays", "2ndF +", "", "", "", "2ndF", "+");
    row("after 2ndF + log is the logarithm", "2ndF + 1 0 0 log", "2", "100", "", "", "+");
    row("another program copies between + and =", "5 + @7 =", "7", "7", "", "", "+");
    row("another program copies text", "5 + @abc 3 =", "3", "abc", "", "", "+");
    row("Enter in the display clicks the pending key", "5 + '2.5 Enter 3 =", "5.5", "2.5", "", "",
        "+");
    row("Enter at start clicks =", "0 0 7 Enter", "007", "", "", "", "=");
    row("typed operand", "'0.1 + '0.2 =", "0.3", "0.1", "", "", "+");
    row("result carried on", "1 2 + 3 = x 2 =", "30", "15", "", "", "x");
    row("fifteen digits decide the next value", "1 / 3 = x 3 =", "0.999999999999999",
        "0.333333333333333", "", "", "x");
}

void resultKey_data() {
    addColumns();
    row("sum", "1 2 + 3 =", "15", "12", "", "", "+");
    row("sum again", "1 2 + 3 = =", "27", "12", "", "", "+");
    row("sum a third time", "1 2 + 3 = = =", "39", "12", "", "", "+");
    row("difference", "1 0 - 3 =", "7", "10", "", "", "-");
    row("difference alternates", "1 0 - 3 = =", "3", "10", "", "", "-");
    row("difference alternates back", "1 0 - 3 = = =", "7", "10", "", "", "-");
    row("quotient", "1 2 / 3 =", "4", "12", "", "", "/");
    row("quotient alternates", "1 2 / 3 = =", "3", "12", "", "", "/");
    row("product", "6 x 7 =", "42", "6", "", "", "x");
    row("divide by zero", "7 / 0 =", "Impossibile", "7", "", "", "/");
    row("zero by zero", "0 / 0 =", "Indeterminata", "0", "", "", "/");
    row("zero by five", "0 / 5 =", "0", "0", "", "", "/");
    row("Impossibile again", "7 / 0 = =", "Impossibile", "7", "", "", "/");
    row("negative zero divisor", "7 / '-0 =", "Impossibile", "7", "", "", "/");
    row("0.0 divisor", "7 / '0.0 =", "Impossibile", "7", "", "", "/");
    row("zero to the zero", "0 yX 0 =", "Indeterminata", "0", "", "", "yX");
    row("zero to the five", "0 yX 5 =", "0", "0", "", "", "yX");
    row("five to the zero", "5 yX 0 =", "1", "5", "", "", "yX");
    row("two to the ten", "2 yX 1 0 =", "1024", "2", "", "", "yX");
    row("negative base, integral power", "'-2 yX 3 =", "-8", "-2", "", "", "yX");
    row("percentage", "2 0 0 % 1 5 =", "30", "200", "", "", "%");
    row("percentage the other way", "1 5 % 2 0 0 =", "30", "15", "", "", "%");
    row("nothing after plus", "5 + =", "5", "5", "", "", "+");
    row("nothing after divide", "5 / =", "Impossibile", "5", "", "", "/");
    row("nothing pending keeps the display as it is", "0 0 7 =", "007", "", "", "", "=");
    row("= empties the indicator only", "2ndF =", "", "", "", "", "2ndF");
    row("2ndF twice leaves nothing pending", "5 + 2ndF 2ndF 3 =", "3", "5", "", "", "");
    row("plus plus", "5 + + 3 =", "3", "", "", "", "+");
    row("large sum goes to exponent form", "'1E14 + '9E14 =", "1E+15", "1E14", "", "", "+");
}

void logarithmsAndSecondFunction_data() {
    addColumns();
    row("2ndF on", "2ndF", "", "", "", "2ndF", "2ndF");
    row("2ndF off again", "2ndF 2ndF", "", "", "", "", "");
    row("2ndF mid-entry keeps it", "1 2ndF 2", "12", "", "12", "2ndF", "2ndF");
    row("log replaces the first operand", "1 2 + 1 0 0 log", "2", "100", "", "", "+");
    row("= after log uses log's operand", "1 2 + 1 0 0 log =", "102", "100", "", "", "+");
    row("log of 1", "1 log", "0", "1", "", "", "=");
    row("log of 1000 shows 3", "1 0 0 0 log", "3", "1000", "", "", "=");
    row("log of 2", "2 log", "0.301029995663981", "2", "", "", "=");
    row("log of 0", "0 log", "", "0", "", "", "=");
    row("log of a negative", "'-5 log", "", "-5", "", "", "=");
    row("log of nothing", "log", "", "", "", "", "=");
    row("antilog of 2", "2ndF 2 log", "100", "2", "", "", "");
    row("antilog of 308", "2ndF 3 0 8 log", "1E+308", "308", "", "", "");
    row("antilog of 309", "2ndF 3 0 9 log", "N° grande <max 308>", "309", "", "", "");
    row("antilog of nothing", "2ndF log", "1", "", "", "", "");
    row("antilog of a message", "7 / 0 = 2ndF log", "1", "Impossibile", "", "", "");
    row("antilog of a negative", "2ndF '-400 log", "0", "-400", "", "", "");
    row("ln of 1", "1 ln", "0", "1", "", "", "=");
    row("ln of 2", "2 ln", "0.693147180559945", "2", "", "", "=");
    row("ln of 0", "0 ln", "", "0", "", "", "=");
    row("natural antilog of 1 uses e cut short", "2ndF 1 ln", "2.718281828459", "1", "", "2ndF",
        "");
    row("natural antilog of -1", "2ndF '-1 ln", "0.367879441171448", "-1", "", "2ndF", "");
    row("natural antilog of 400", "2ndF 4 0 0 ln", "5.22146968972923E+173", "400", "", "2ndF", "");
    row("natural antilog of 709", "2ndF 7 0 9 ln", "8.21840746145756E+307", "709", "", "2ndF", "");
    row("natural antilog of 309", "2ndF 3 0 9 ln", "1.57396441036963E+134", "309", "", "2ndF", "");
    row("natural antilog of 709.5", "2ndF '709.5 ln", "N° grande <max 709>", "709.5", "", "2ndF",
        "");
    row("natural antilog of 710", "2ndF 7 1 0 ln", "N° grande <max 709>", "710", "", "2ndF", "");
    row("second ln is the logarithm", "2ndF 1 ln ln", "0.999999999999983", "2.718281828459", "",
        "2ndF", "");
    row("log keeps a pending operation", "5 + 1 0 log", "1", "10", "", "", "+");
    row("antilog drops a pending operation", "5 + 2ndF 2 log =", "100", "2", "", "", "");
}

void rootAndReciprocal_data() {
    addColumns();
    row("root of 9", "9 Rad", "3", "9", "", "", "=");
    row("root of 0", "0 Rad", "0", "0", "", "", "=");
    row("root of nothing", "Rad", "0", "", "", "", "=");
    row("root of -9", "'-9 Rad", "3 i", "-9", "", "", "=");
    row("root of 2", "2 Rad", "1.4142135623731", "2", "", "", "=");
    row("root of -2", "'-2 Rad", "1.4142135623731 i", "-2", "", "", "=");
    row("root of an imaginary result drops the mark", "'-9 Rad Rad", "1.73205080756888", "3 i", "",
        "", "=");
    row("root replaces the first operand", "1 2 + 9 Rad =", "12", "9", "", "", "+");
    row("root keeps 2ndF, blanks the indicator", "2ndF Rad", "0", "", "", "", "2ndF");
    row("log after 2ndF Rad is the antilogarithm", "2ndF Rad '2 log", "100", "2", "", "", "");
    row("reciprocal of 4", "4 1/x", "0.25", "4", "", "", "=");
    row("reciprocal of -2", "'-2 1/x", "-0.5", "-2", "", "", "=");
    row("reciprocal of 0", "0 1/x", "", "0", "", "", "=");
    row("reciprocal of nothing", "1/x", "", "", "", "", "=");
    row("reciprocal of a message", "0 / 0 = 1/x", "", "Indeterminata", "", "", "/");
    row("reciprocal keeps 2ndF", "2ndF 8 1/x", "0.125", "8", "", "", "2ndF");
}

void arithmeticErrors_data() {
    addColumns();
    // The click ends at the failing step: what was written stays, nothing after it happens.
    row("product overflows", "'1E308 2ndF x 1 0 =", "10", "1E308", "10", "", "x", "Overflow");
    row("percentage product overflows", "'1E307 % 1 0 0 =", "100", "1E307", "100", "", "%",
        "Overflow");
    row("quotient overflows", "'1E308 / '0.1 =", "0.1", "1E308", "", "", "/", "Overflow");
    row("power overflows", "1 0 yX 4 0 0 =", "400", "10", "400", "", "yX", "Overflow");
    row("negative base, fractional exponent", "'-8 yX '0.5 =", "0.5", "-8", "", "", "yX",
        "Operazione non valida");
    row("zero to a negative power", "0 yX '-1 =", "-1", "0", "", "", "yX", "Operazione non valida");
    row("antilog past the double range", "2ndF 3 '308.5 log", "308.5", "308.5", "3", "2ndF", "2ndF",
        "Overflow");
    row("reciprocal past the double range", "2ndF 1 '1E-309 1/x", "1E-309", "1E-309", "1", "2ndF",
        "2ndF", "Overflow");
    row("next click works", "1 0 yX 4 0 0 = C 2 + 2 =", "4", "2", "", "", "+", "Overflow");
}

void clipboardFailures_data() {
    addColumns();
    row("operator key cannot write", "5 !write +", "5", "", "5", "", "=",
        "Appunti non disponibili");
    row("= cannot read", "2ndF + 3 !read =", "3", "", "3", "", "+", "Appunti non disponibili");
    row("log cannot write", "2ndF 4 !write log", "4", "", "4", "2ndF", "2ndF",
        "Appunti non disponibili");
    row("log cannot read back", "2ndF 4 !read log", "4", "4", "4", "2ndF", "2ndF",
        "Appunti non disponibili");
    row("ln cannot read back", "4 !read ln", "4", "4", "4", "", "=", "Appunti non disponibili");
    row("root cannot write", "2ndF 9 !write Rad", "9", "", "9", "2ndF", "2ndF",
        "Appunti non disponibili");
    row("reciprocal cannot read back", "2ndF 4 !read 1/x", "4", "4", "4", "2ndF", "2ndF",
        "Appunti non disponibili");
    row("clipboard back", "5 !write + !ok +", "", "5", "", "", "+", "Appunti non disponibili");
    row("digits and C need no clipboard", "!write !read 1 2 C 3", "3", "", "3", "", "=");
}

void textsBeyondTheDoubleRange_data() {
    // Such a text reads as an infinity; the step that uses it decides, as for any other value.
    addColumns();
    row("nothing pending reads it harmlessly", "@1E999 =", "", "1E999", "", "", "=");
    row("divided by it", "5 / '1E999 =", "0", "5", "", "", "/");
    row("its reciprocal", "'1E999 1/x", "0", "1E999", "", "", "=");
    row("reciprocal of its negative", "'-1E999 1/x", "0", "-1E999", "", "", "=");
    row("natural antilog", "2ndF '1E999 ln", "N° grande <max 709>", "1E999", "", "2ndF", "");
    row("decimal antilog", "2ndF '1E999 log", "N° grande <max 308>", "1E999", "", "", "");
    row("added", "5 + '1E999 =", "1E999", "5", "", "", "+", "Overflow");
    row("as the first operand", "5 + @1E999 3 =", "3", "1E999", "3", "", "+", "Overflow");
    row("its root", "'1E999 Rad", "1E999", "1E999", "", "", "=", "Overflow");
    row("its logarithm", "'1E999 log", "1E999", "1E999", "", "", "=", "Overflow");
    row("largest result reads back",
        "'1.79769313486231E+308 + '5.5E+293 = x 1 =", "1.79769313486231E+308",
        "1.79769313486231E+308", "", "", "x");
}

TEST_CASE("digits and clear") {
    digitsAndClear_data();
    pressAndCheck();
}

TEST_CASE("operator keys") {
    operatorKeys_data();
    pressAndCheck();
}

TEST_CASE("result key") {
    resultKey_data();
    pressAndCheck();
}

TEST_CASE("logarithms and second function") {
    logarithmsAndSecondFunction_data();
    pressAndCheck();
}

TEST_CASE("root and reciprocal") {
    rootAndReciprocal_data();
    pressAndCheck();
}

TEST_CASE("arithmetic errors") {
    arithmeticErrors_data();
    pressAndCheck();
}

TEST_CASE("clipboard failures") {
    clipboardFailures_data();
    pressAndCheck();
}

TEST_CASE("texts beyond the double range") {
    textsBeyondTheDoubleRange_data();
    pressAndCheck();
}
