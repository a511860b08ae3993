#include "ControlLayout.h"

#include <cmath>

#include "Form1.h"

namespace {

const QColor kStandard;
const QColor kDigitFace(224, 224, 224);
const QColor kResultFace(128, 255, 128);
const QColor kClearFace(192, 192, 192);
const QColor kSecondFunctionFace(255, 128, 0);
const QColor kDisplayBackground(221, 255, 255);

constexpr FontSpec kSmallBold{"MS Sans Serif", 11, true}; // 8.25 pt
constexpr FontSpec kLargeBold{"MS Sans Serif", 16, true}; // 12 pt
constexpr FontSpec kHugeBold{"MS Sans Serif", 18, true};  // 13.5 pt

} // namespace

const std::array<ButtonLayout, 24> kButtonLayouts{{
    {&Form1::Command1, "1", {240, 2880, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Command2, "2", {840, 2880, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Command3, "3", {1440, 2880, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Command4, "4", {240, 2280, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Command5, "5", {840, 2280, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Command6, "6", {1440, 2280, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Command7, "7", {240, 1680, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Command8, "8", {840, 1680, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Command9, "9", {1440, 1680, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Command10, "0", {240, 3480, 495, 495}, kDigitFace, kWindowFont},
    {&Form1::Somma, "+", {1440, 3480, 495, 495}, kStandard, kLargeBold},
    {&Form1::Differenza, "-", {840, 3480, 495, 495}, kStandard, kHugeBold},
    {&Form1::Prodotto, "x", {2040, 2280, 495, 495}, kStandard, kLargeBold},
    {&Form1::Divisione, "/", {2040, 1680, 495, 495}, kStandard, kWindowFont},
    {&Form1::Risultato, "=", {2040, 3480, 1215, 495}, kResultFace, kHugeBold},
    {&Form1::Cancella, "C", {2040, 1200, 495, 375}, kClearFace, kSmallBold},
    {&Form1::Radice, "Rad", {2640, 1680, 615, 495}, kStandard, kWindowFont},
    {&Form1::Potenza, "yX", {2640, 2280, 615, 495}, kStandard, kWindowFont},
    {&Form1::Reciproco, "1/x", {2640, 2880, 615, 495}, kStandard, kWindowFont},
    {&Form1::Percentuale, "%", {2040, 2880, 495, 495}, kStandard, kWindowFont},
    {&Form1::Guida, "Aiuto", {2640, 1200, 615, 375}, kStandard, kSmallBold},
    {&Form1::LogaritmoDecimale, "log", {840, 1200, 495, 375}, kDigitFace, kWindowFont},
    {&Form1::Logaritmo, "ln", {1440, 1200, 495, 375}, kDigitFace, kWindowFont},
    {&Form1::FunzioneInversa, "2ndF", {240, 1200, 495, 375}, kSecondFunctionFace, kSmallBold},
}};

// The display is right-aligned so the indicator, which covers its left end, never hides digits.
const std::array<TextBoxLayout, 2> kTextBoxLayouts{{
    {&Form1::Text1,
     {60, 240, 3375, 375},
     kDisplayBackground,
     QColor(0, 0, 0),
     {"System", 13, true},
     Qt::AlignRight | Qt::AlignVCenter},
    {&Form1::Text2,
     {180, 280, 735, 285},
     kDisplayBackground,
     kSecondFunctionFace,
     {"Arial", 11, true},
     Qt::AlignLeft | Qt::AlignVCenter},
}};

const std::array<ToolTip, 4> kButtonToolTips{{
    {&Form1::FunzioneInversa,
     "Premuto prima del tasto <log> o <ln> permette di calcolare l'antilogaritmo"},
    {&Form1::LogaritmoDecimale, "Calcola il Logaritmo Decimale"},
    {&Form1::Logaritmo, "Calcola il Logaritmo Nepereano"},
    {&Form1::Guida, "Software by ulderano@brenoldi.example "},
}};

const char* const kDecimalPointTip =
    "Nell'inserimento dei numeri decimali utilizzare il punto al posto della la virgola";

QRect pixelRect(const TwipRect& place) {
    const auto pixels = [](int twips) {
        return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
    };
    return QRect(pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height));
}

QFont controlFont(const FontSpec& wanted) {
    QFont font(QString::fromLatin1(wanted.family));
    font.setPixelSize(wanted.pixelSize);
    font.setBold(wanted.bold);
    return font;
}
