// TextToNumber and NumberToText: tables of texts and values, the round trip on random doubles,
// independence from the locale, and texts far longer than any display.

#include <QtTest>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale>
#include <random>

#include "engine/ArithmeticError.h"
#include "engine/NumberText.h"

using engine::ArithmeticError;
using engine::NumberToText;
using engine::TextToNumber;

namespace {
// Bit-exact, so 0 and -0 are told apart where that matters and a wrong last bit is caught.
bool sameDouble(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

class NumberTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsNumbers_data();
    void readsNumbers();
    void readsTextsOutsideTheDoubleRange_data();
    void readsTextsOutsideTheDoubleRange();
    void writesNumbers_data();
    void writesNumbers();
    void refusesToWriteWhatIsNotFinite();
    void textOfEveryNumberReadsBackAsTheNumberShown();
    void ignoresTheLocale();
    void readsHugeTexts();
};

void NumberTextTest::readsNumbers_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");

    // What is not a number reads as 0.
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("Impossibile") << QByteArray("Impossibile") << 0.0;
    QTest::newRow("Indeterminata") << QByteArray("Indeterminata") << 0.0;
    QTest::newRow("antilog message 308") << QByteArray("N° grande <max 308>") << 0.0;
    QTest::newRow("antilog message 709") << QByteArray("N° grande <max 709>") << 0.0;
    QTest::newRow("point alone") << QByteArray(".") << 0.0;
    QTest::newRow("sign alone") << QByteArray("-") << 0.0;
    QTest::newRow("two signs") << QByteArray("+-5") << 0.0;
    QTest::newRow("no hex prefix") << QByteArray("&H10") << 0.0;
    QTest::newRow("no 0x prefix") << QByteArray("0x10") << 0.0;
    QTest::newRow("non-ASCII digit") << QByteArray("\xd9\xa3") << 0.0;

    // A number followed by anything reads as that number.
    QTest::newRow("trailing letters") << QByteArray("12abc") << 12.0;
    QTest::newRow("comma ends it") << QByteArray("1,5") << 1.0;
    QTest::newRow("second point ends it") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("imaginary mark") << QByteArray("1.4142 i") << 1.4142;
    QTest::newRow("no other exponent letter") << QByteArray("1D3") << 1.0;
    QTest::newRow("line end from another program") << QByteArray("12\r\n") << 12.0;

    // Signs, points and leading zeros.
    QTest::newRow("negative") << QByteArray("-3.25") << -3.25;
    QTest::newRow("plus sign") << QByteArray("+8") << 8.0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0;
    QTest::newRow("point first") << QByteArray(".5") << 0.5;
    QTest::newRow("negative point first") << QByteArray("-.5") << -0.5;
    QTest::newRow("point last") << QByteArray("5.") << 5.0;

    // Blanks (space, tab, line feed) are skipped wherever they stand.
    QTest::newRow("leading blank") << QByteArray(" 42") << 42.0;
    QTest::newRow("blank between digits") << QByteArray("1 2") << 12.0;
    QTest::newRow("tab and line feed") << QByteArray("\t\n7") << 7.0;
    QTest::newRow("blank after sign") << QByteArray("- 5") << -5.0;
    QTest::newRow("blanks around exponent") << QByteArray("1 E 3") << 1000.0;

    // Exponents count only with a digit after the letter and its sign.
    QTest::newRow("exponent") << QByteArray("1E3") << 1000.0;
    QTest::newRow("lower-case negative exponent") << QByteArray("2.5e-1") << 0.25;
    QTest::newRow("exponent plus") << QByteArray("1E+2") << 100.0;
    QTest::newRow("letter without digits") << QByteArray("1E") << 1.0;
    QTest::newRow("letter and sign without digits") << QByteArray("1E+") << 1.0;
    QTest::newRow("letter then other text") << QByteArray("1Ex") << 1.0;
    QTest::newRow("exponent with leading zeros")
        << QByteArray("1e0000000000000000000000003") << 1000.0;

    // Correct rounding, including the classic hard cases.
    QTest::newRow("one tenth") << QByteArray("0.1") << 0.1;
    QTest::newRow("tie to even") << QByteArray("9007199254740993") << 9007199254740992.0;
    QTest::newRow("hard case near DBL_MIN")
        << QByteArray("2.2250738585072011e-308") << 2.2250738585072011e-308;
    QTest::newRow("thirty digits")
        << QByteArray("123456789012345678901234567890") << 1.2345678901234568e29;
    QTest::newRow("largest double")
        << QByteArray("1.7976931348623157E308") << std::numeric_limits<double>::max();

    // Too small for a double: 0 or a subnormal, never an error.
    QTest::newRow("smallest subnormal")
        << QByteArray("4.9E-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("subnormal") << QByteArray("1e-310") << 1e-310;
    QTest::newRow("below every subnormal") << QByteArray("1E-400") << 0.0;
    QTest::newRow("negative below every subnormal") << QByteArray("-1E-400") << -0.0;
    QTest::newRow("saturated negative exponent") << QByteArray("1e-99999999999999999999") << 0.0;
    QTest::newRow("zero with huge exponent") << QByteArray("0e999999") << 0.0;
    QTest::newRow("many zeros then huge exponent") << QByteArray("0.0000e99999999999") << 0.0;
}

void NumberTextTest::readsNumbers() {
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    const double read = TextToNumber(text.toStdString());
    QVERIFY2(sameDouble(read, value),
             qPrintable(
                 QStringLiteral("read %1, want %2").arg(read, 0, 'g', 17).arg(value, 0, 'g', 17)));
}

void NumberTextTest::readsTextsOutsideTheDoubleRange_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    QTest::newRow("1E999") << QByteArray("1E999") << kInfinity;
    QTest::newRow("just past the largest double")
        << QByteArray("1.7976931348623159e308") << kInfinity;
    QTest::newRow("negative") << QByteArray("-1e309") << -kInfinity;
    QTest::newRow("400 digits") << QByteArray(400, '9') << kInfinity;
    QTest::newRow("saturated exponent") << QByteArray("1e99999999999999999999") << kInfinity;
    QTest::newRow("small mantissa, large exponent") << QByteArray("0.0001e313") << kInfinity;
}

void NumberTextTest::readsTextsOutsideTheDoubleRange() {
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QCOMPARE(TextToNumber(text.toStdString()), value);
}

void NumberTextTest::writesNumbers_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("integer") << 15.0 << "15";
    QTest::newRow("negative integer") << -7.0 << "-7";
    QTest::newRow("fraction") << 0.25 << "0.25";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("hundred") << 100.0 << "100";
    QTest::newRow("smallest plain") << 0.0001 << "0.0001";
    QTest::newRow("plain with digits") << 0.00012345 << "0.00012345";
    QTest::newRow("first exponent below") << 1e-5 << "1E-05";
    QTest::newRow("negative small") << -1.5e-7 << "-1.5E-07";
    QTest::newRow("fifteen digits") << 123456789012345.0 << "123456789012345";
    QTest::newRow("largest plain power") << 1e14 << "100000000000000";
    QTest::newRow("first exponent above") << 1e15 << "1E+15";
    QTest::newRow("rounds up into exponent") << 999999999999999.9 << "1E+15";
    QTest::newRow("three exponent digits") << 1e308 << "1E+308";
    QTest::newRow("mantissa and exponent") << 1.4142135623730951e20 << "1.4142135623731E+20";
    QTest::newRow("root of two") << 1.4142135623730951 << "1.4142135623731";
    QTest::newRow("a third") << 1.0 / 3 << "0.333333333333333";
    QTest::newRow("point one plus point two") << 0.1 + 0.2 << "0.3";
    QTest::newRow("fifteenth digit rounded") << 1.23456789012345678 << "1.23456789012346";
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << "4.94065645841247E-324";
    // Rounded, the largest doubles would read back past the range: they are cut instead.
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << "1.79769313486231E+308";
    QTest::newRow("eighth largest double") << -0x1.ffffffffffffcp+1023 << "-1.79769313486231E+308";
    QTest::newRow("ninth largest double rounds")
        << 0x1.ffffffffffffbp+1023 << "1.79769313486231E+308";
}

void NumberTextTest::writesNumbers() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(NumberToText(value)), text);
}

void NumberTextTest::refusesToWriteWhatIsNotFinite() {
    for (double value :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        QVERIFY_THROWS_EXCEPTION(ArithmeticError, NumberToText(value));
    }
}

void NumberTextTest::textOfEveryNumberReadsBackAsTheNumberShown() {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> ordinary(-1e6, 1e6);
    for (int i = 0; i < 200000; ++i) {
        // Half arbitrary bit patterns (every magnitude), half ordinary-sized numbers.
        double value;
        if (i % 2) {
            const std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
        } else {
            value = ordinary(random);
        }
        const std::string text = NumberToText(value);
        const double shown = TextToNumber(text);
        if (NumberToText(shown) != text)
            QFAIL(qPrintable(QStringLiteral("%1 reads back as a number written %2")
                                 .arg(QString::fromStdString(text),
                                      QString::fromStdString(NumberToText(shown)))));
        // Fifteen digits are within half a unit of their last digit of the value, and reading
        // them back adds at most half a unit in the last place of the double.
        const double digitUnit = std::pow(
            10.0, std::floor(std::log10(std::fmax(std::fabs(value), std::fabs(shown)))) - 14);
        const double lastPlace = std::nextafter(std::fabs(shown), HUGE_VAL) - std::fabs(shown);
        if (value != 0 && std::fabs(shown - value) > 0.5 * digitUnit + 0.5 * lastPlace)
            QFAIL(qPrintable(QStringLiteral("%1 is too far from %2")
                                 .arg(QString::fromStdString(text))
                                 .arg(value, 0, 'g', 17)));
    }
}

void NumberTextTest::ignoresTheLocale() {
    // A decimal comma in the C library or the C++ global locale must change nothing.
    const char* italian = std::setlocale(LC_ALL, "it_IT.UTF-8");
    QVERIFY2(italian, "the it_IT.UTF-8 locale is not installed (Debian package locales-all)");
    std::locale::global(std::locale("it_IT.UTF-8"));
    QCOMPARE(std::localeconv()->decimal_point, QByteArray(","));

    const double read = TextToNumber("1.5");
    const std::string written = NumberToText(1234.5);
    const double comma = TextToNumber("1,5");

    std::locale::global(std::locale::classic());
    std::setlocale(LC_ALL, "C");
    QCOMPARE(read, 1.5);
    QCOMPARE(QString::fromStdString(written), QStringLiteral("1234.5"));
    QCOMPARE(comma, 1.0);
}

void NumberTextTest::readsHugeTexts() {
    // Far longer than any display; the 100 MB a clipboard can hold are measured in bench/.
    constexpr std::size_t kHuge = 1'000'000;
    std::string text = "0.";
    text.append(kHuge, '3');
    QCOMPARE(TextToNumber(text), 1.0 / 3);

    std::string blanks(kHuge, ' ');
    blanks += "7";
    QCOMPARE(TextToNumber(blanks), 7.0);

    std::string digits(kHuge, '9');
    QCOMPARE(TextToNumber(digits), std::numeric_limits<double>::infinity());
}

QTEST_APPLESS_MAIN(NumberTextTest)
#include "tst_number_text.moc"
