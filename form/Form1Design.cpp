#include "Form1Design.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ControlsByName.h"
#include "HelpMessage.h"
#include "engine/DigitKeys.h"
#include "engine/LogarithmKeys.h"
#include "engine/OperatorKeys.h"
#include "engine/ResultKey.h"
#include "engine/RootKeys.h"

namespace form {

namespace {

template <void (*Handler)(engine::Controls&)>
void key(engine::Controls& form, platform::MessageBox&) {
    Handler(form);
}

void help(engine::Controls&, platform::MessageBox& messages) {
    Guida_Click(messages);
}

constexpr std::nullopt_t kStandard = std::nullopt;
constexpr Rgb kDigitFace{224, 224, 224};
constexpr Rgb kResultFace{128, 255, 128};
constexpr Rgb kClearFace{192, 192, 192};
constexpr Rgb kSecondFunctionFace{255, 128, 0};
constexpr Rgb kDisplayBackground{221, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

constexpr FontDesign kSmallBold{"MS Sans Serif", 8.25, true};
constexpr FontDesign kLargeBold{"MS Sans Serif", 12, true};
constexpr FontDesign kHugeBold{"MS Sans Serif", 13.5, true};
constexpr FontDesign kListFont{"MS Sans Serif", 8.25, false};
constexpr FontDesign kDisplayFont{"System", 9.75, true};
constexpr FontDesign kIndicatorFont{"Arial", 8.25, true};

constexpr const char* kDecimalPointTip =
    "Nell'inserimento dei numeri decimali utilizzare il punto al posto della la virgola";
constexpr const char* kAntilogTip =
    "Premuto prima del tasto <log> o <ln> permette di calcolare l'antilogaritmo";
constexpr const char* kDecimalLogTip = "Calcola il Logaritmo Decimale";
constexpr const char* kNaturalLogTip = "Calcola il Logaritmo Nepereano";
// The author's contact address, with the trailing blank of the original tip.
constexpr const char* kAuthorTip = "Software by ulderano@brenoldi.example ";

} // namespace

// clang-format off
const std::array<ControlDesign, 27> kForm1Controls{{
//   name                 kind                  caption  place                    face                 text colour          font            tool tip          spoken name                    click                                 alignment             visible
    {"Command1",          ControlKind::Button,  "1",     {240, 2880, 495, 495},   kDigitFace,          {},                  kWindowFont,    nullptr,          "1",                           key<engine::Command1_Click>,          TextAlignment::Left,  true},
    {"Command2",          ControlKind::Button,  "2",     {840, 2880, 495, 495},   kDigitFace,          {},                  kWindowFont,    nullptr,          "2",                           key<engine::Command2_Click>,          TextAlignment::Left,  true},
    {"Command3",          ControlKind::Button,  "3",     {1440, 2880, 495, 495},  kDigitFace,          {},                  kWindowFont,    nullptr,          "3",                           key<engine::Command3_Click>,          TextAlignment::Left,  true},
    {"Command4",          ControlKind::Button,  "4",     {240, 2280, 495, 495},   kDigitFace,          {},                  kWindowFont,    nullptr,          "4",                           key<engine::Command4_Click>,          TextAlignment::Left,  true},
    {"Command5",          ControlKind::Button,  "5",     {840, 2280, 495, 495},   kDigitFace,          {},                  kWindowFont,    nullptr,          "5",                           key<engine::Command5_Click>,          TextAlignment::Left,  true},
    {"Command6",          ControlKind::Button,  "6",     {1440, 2280, 495, 495},  kDigitFace,          {},                  kWindowFont,    nullptr,          "6",                           key<engine::Command6_Click>,          TextAlignment::Left,  true},
    {"Command7",          ControlKind::Button,  "7",     {240, 1680, 495, 495},   kDigitFace,          {},                  kWindowFont,    nullptr,          "7",                           key<engine::Command7_Click>,          TextAlignment::Left,  true},
    {"Command8",          ControlKind::Button,  "8",     {840, 1680, 495, 495},   kDigitFace,          {},                  kWindowFont,    nullptr,          "8",                           key<engine::Command8_Click>,          TextAlignment::Left,  true},
    {"Command9",          ControlKind::Button,  "9",     {1440, 1680, 495, 495},  kDigitFace,          {},                  kWindowFont,    nullptr,          "9",                           key<engine::Command9_Click>,          TextAlignment::Left,  true},
    {"Command10",         ControlKind::Button,  "0",     {240, 3480, 495, 495},   kDigitFace,          {},                  kWindowFont,    nullptr,          "0",                           key<engine::Command10_Click>,         TextAlignment::Left,  true},
    {"List1",             ControlKind::ListBox, "",      {720, 720, 1935, 450},   kStandard,           {},                  kListFont,      nullptr,          "Elenco delle cifre",          nullptr,                              TextAlignment::Left,  false},
    // The display is right-aligned so the indicator, which covers its left end, never hides digits.
    {"Text1",             ControlKind::TextBox, "",      {60, 240, 3375, 375},    kDisplayBackground,  kBlack,              kDisplayFont,   kDecimalPointTip, "Display",                     nullptr,                              TextAlignment::Right, true},
    {"Somma",             ControlKind::Button,  "+",     {1440, 3480, 495, 495},  kStandard,           {},                  kLargeBold,     nullptr,          "più",                         key<engine::Somma_Click>,             TextAlignment::Left,  true},
    {"Differenza",        ControlKind::Button,  "-",     {840, 3480, 495, 495},   kStandard,           {},                  kHugeBold,      nullptr,          "meno",                        key<engine::Differenza_Click>,        TextAlignment::Left,  true},
    {"Prodotto",          ControlKind::Button,  "x",     {2040, 2280, 495, 495},  kStandard,           {},                  kLargeBold,     nullptr,          "per",                         key<engine::Prodotto_Click>,          TextAlignment::Left,  true},
    {"Divisione",         ControlKind::Button,  "/",     {2040, 1680, 495, 495},  kStandard,           {},                  kWindowFont,    nullptr,          "diviso",                      key<engine::Divisione_Click>,         TextAlignment::Left,  true},
    {"Risultato",         ControlKind::Button,  "=",     {2040, 3480, 1215, 495}, kResultFace,         {},                  kHugeBold,      nullptr,          "uguale",                      key<engine::Risultato_Click>,         TextAlignment::Left,  true},
    {"Cancella",          ControlKind::Button,  "C",     {2040, 1200, 495, 375},  kClearFace,          {},                  kSmallBold,     nullptr,          "cancella",                    key<engine::Cancella_Click>,          TextAlignment::Left,  true},
    {"Radice",            ControlKind::Button,  "Rad",   {2640, 1680, 615, 495},  kStandard,           {},                  kWindowFont,    nullptr,          "radice quadrata",             key<engine::Radice_Click>,            TextAlignment::Left,  true},
    {"Potenza",           ControlKind::Button,  "yX",    {2640, 2280, 615, 495},  kStandard,           {},                  kWindowFont,    nullptr,          "elevato a",                   key<engine::Potenza_Click>,           TextAlignment::Left,  true},
    {"Reciproco",         ControlKind::Button,  "1/x",   {2640, 2880, 615, 495},  kStandard,           {},                  kWindowFont,    nullptr,          "reciproco",                   key<engine::Reciproco_Click>,         TextAlignment::Left,  true},
    {"Percentuale",       ControlKind::Button,  "%",     {2040, 2880, 495, 495},  kStandard,           {},                  kWindowFont,    nullptr,          "percentuale",                 key<engine::Percentuale_Click>,       TextAlignment::Left,  true},
    {"Guida",             ControlKind::Button,  "Aiuto", {2640, 1200, 615, 375},  kStandard,           {},                  kSmallBold,     kAuthorTip,       "aiuto",                       help,                                 TextAlignment::Left,  true},
    {"LogaritmoDecimale", ControlKind::Button,  "log",   {840, 1200, 495, 375},   kDigitFace,          {},                  kWindowFont,    kDecimalLogTip,   "logaritmo decimale",          key<engine::LogaritmoDecimale_Click>, TextAlignment::Left,  true},
    {"Logaritmo",         ControlKind::Button,  "ln",    {1440, 1200, 495, 375},  kDigitFace,          {},                  kWindowFont,    kNaturalLogTip,   "logaritmo naturale",          key<engine::Logaritmo_Click>,         TextAlignment::Left,  true},
    {"FunzioneInversa",   ControlKind::Button,  "2ndF",  {240, 1200, 495, 375},   kSecondFunctionFace, {},                  kSmallBold,     kAntilogTip,      "seconda funzione",            key<engine::FunzioneInversa_Click>,   TextAlignment::Left,  true},
    {"Text2",             ControlKind::TextBox, "",      {180, 280, 735, 285},    kDisplayBackground,  kSecondFunctionFace, kIndicatorFont, kDecimalPointTip, "Indicatore seconda funzione", nullptr,                              TextAlignment::Left,  true},
}};
// clang-format on

void noControlNamed(std::string_view name) {
    std::fprintf(stderr, "Form1 has no control %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
}

int twipsToPixels(int twips, int dpi) {
    constexpr double kTwipsPerInch = 1440;
    return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

int pointsToPixels(double points, int dpi) {
    constexpr double kPointsPerInch = 72;
    return static_cast<int>(std::lround(points * dpi / kPointsPerInch));
}

namespace {
// WCAG's relative luminance of an sRGB colour.
double luminance(Rgb colour) {
    const auto linear = [](std::uint8_t channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}
} // namespace

double contrastRatio(Rgb one, Rgb other) {
    const double first = luminance(one), second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

Rgb captionColourOn(Rgb face) {
    constexpr Rgb kWhite{255, 255, 255};
    return contrastRatio(face, kBlack) >= contrastRatio(face, kWhite) ? kBlack : kWhite;
}

const ControlDesign* designNamed(std::string_view name) {
    for (const ControlDesign& design : kForm1Controls) {
        if (name == design.name)
            return &design;
    }
    return nullptr;
}

const ControlDesign* buttonCaptioned(std::string_view caption) {
    for (const ControlDesign& design : kForm1Controls) {
        if (design.kind == ControlKind::Button && caption == design.caption)
            return &design;
    }
    return nullptr;
}

} // namespace form
