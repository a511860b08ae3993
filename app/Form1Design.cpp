#include "Form1Design.h"

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

namespace {

template <void (*Handler)(engine::Controls&)>
void key(engine::Controls& form, platform::MessageBox&) {
    Handler(form);
}

void help(engine::Controls&, platform::MessageBox& messages) {
    Guida_Click(messages);
}

using K = ControlKind;
using A = TextAlignment;
constexpr std::nullopt_t kStandard = std::nullopt;
constexpr Rgb kDigitFace{224, 224, 224};
constexpr Rgb kResultFace{128, 255, 128};
constexpr Rgb kClearFace{192, 192, 192};
constexpr Rgb kSecondFunctionFace{255, 128, 0};
constexpr Rgb kDisplayBackground{221, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

constexpr FontDesign kW = kWindowFont;
constexpr FontDesign kSmallBold{"MS Sans Serif", 8.25, true};
constexpr FontDesign kLargeBold{"MS Sans Serif", 12, true};
constexpr FontDesign kHugeBold{"MS Sans Serif", 13.5, true};
constexpr FontDesign kListFont{"MS Sans Serif", 8.25, false};
constexpr FontDesign kDisplayFont{"System", 9.75, true};
constexpr FontDesign kIndicatorFont{"Arial", 8.25, true};

constexpr const char* kDecimalPointTip =
    "Nell'inserimento dei numeri decimali utilizzare il punto al posto della la virgola";

} // namespace

// clang-format off
const std::array<ControlDesign, 27> kForm1Controls{{
//   name                 kind        caption  place                     face                 text colour  font            tool tip  spoken name  click  alignment  visible
    {"Command1",          K::Button,  "1",     {240, 2880, 495, 495},    kDigitFace,          {}, kW,           nullptr, "1", key<engine::Command1_Click>, A::Left, true},
    {"Command2",          K::Button,  "2",     {840, 2880, 495, 495},    kDigitFace,          {}, kW,           nullptr, "2", key<engine::Command2_Click>, A::Left, true},
    {"Command3",          K::Button,  "3",     {1440, 2880, 495, 495},   kDigitFace,          {}, kW,           nullptr, "3", key<engine::Command3_Click>, A::Left, true},
    {"Command4",          K::Button,  "4",     {240, 2280, 495, 495},    kDigitFace,          {}, kW,           nullptr, "4", key<engine::Command4_Click>, A::Left, true},
    {"Command5",          K::Button,  "5",     {840, 2280, 495, 495},    kDigitFace,          {}, kW,           nullptr, "5", key<engine::Command5_Click>, A::Left, true},
    {"Command6",          K::Button,  "6",     {1440, 2280, 495, 495},   kDigitFace,          {}, kW,           nullptr, "6", key<engine::Command6_Click>, A::Left, true},
    {"Command7",          K::Button,  "7",     {240, 1680, 495, 495},    kDigitFace,          {}, kW,           nullptr, "7", key<engine::Command7_Click>, A::Left, true},
    {"Command8",          K::Button,  "8",     {840, 1680, 495, 495},    kDigitFace,          {}, kW,           nullptr, "8", key<engine::Command8_Click>, A::Left, true},
    {"Command9",          K::Button,  "9",     {1440, 1680, 495, 495},   kDigitFace,          {}, kW,           nullptr, "9", key<engine::Command9_Click>, A::Left, true},
    {"Command10",         K::Button,  "0",     {240, 3480, 495, 495},    kDigitFace,          {}, kW,           nullptr, "0", key<engine::Command10_Click>, A::Left, true},
    {"List1",             K::ListBox, "",      {720, 720, 1935, 450},    kStandard,           {}, kListFont,    nullptr, "Elenco delle cifre", nullptr, A::Left, false},
    // The display is right-aligned so the indicator, which covers its left end, never hides digits.
    {"Text1",             K::TextBox, "",      {60, 240, 3375, 375},     kDisplayBackground,  kBlack, kDisplayFont, kDecimalPointTip, "Display", nullptr, A::Right, true},
    {"Somma",             K::Button,  "+",     {1440, 3480, 495, 495},   kStandard,           {}, kLargeBold,   nullptr, "più", key<engine::Somma_Click>, A::Left, true},
    {"Differenza",        K::Button,  "-",     {840, 3480, 495, 495},    kStandard,           {}, kHugeBold,    nullptr, "meno", key<engine::Differenza_Click>, A::Left, true},
    {"Prodotto",          K::Button,  "x",     {2040, 2280, 495, 495},   kStandard,           {}, kLargeBold,   nullptr, "per", key<engine::Prodotto_Click>, A::Left, true},
    {"Divisione",         K::Button,  "/",     {2040, 1680, 495, 495},   kStandard,           {}, kW,           nullptr, "diviso", key<engine::Divisione_Click>, A::Left, true},
    {"Risultato",         K::Button,  "=",     {2040, 3480, 1215, 495},  kResultFace,         {}, kHugeBold,    nullptr, "uguale", key<engine::Risultato_Click>, A::Left, true},
    {"Cancella",          K::Button,  "C",     {2040, 1200, 495, 375},   kClearFace,          {}, kSmallBold,   nullptr, "cancella", key<engine::Cancella_Click>, A::Left, true},
    {"Radice",            K::Button,  "Rad",   {2640, 1680, 615, 495},   kStandard,           {}, kW,           nullptr, "radice quadrata", key<engine::Radice_Click>, A::Left, true},
    {"Potenza",           K::Button,  "yX",    {2640, 2280, 615, 495},   kStandard,           {}, kW,           nullptr, "elevato a", key<engine::Potenza_Click>, A::Left, true},
    {"Reciproco",         K::Button,  "1/x",   {2640, 2880, 615, 495},   kStandard,           {}, kW,           nullptr, "reciproco", key<engine::Reciproco_Click>, A::Left, true},
    {"Percentuale",       K::Button,  "%",     {2040, 2880, 495, 495},   kStandard,           {}, kW,           nullptr, "percentuale", key<engine::Percentuale_Click>, A::Left, true},
    {"Guida",             K::Button,  "Aiuto", {2640, 1200, 615, 375},   kStandard,           {}, kSmallBold,   "Software by ulderano@brenoldi.example ", "aiuto", help, A::Left, true},
    {"LogaritmoDecimale", K::Button,  "log",   {840, 1200, 495, 375},    kDigitFace,          {}, kW,           "Calcola il Logaritmo Decimale", "logaritmo decimale", key<engine::LogaritmoDecimale_Click>, A::Left, true},
    {"Logaritmo",         K::Button,  "ln",    {1440, 1200, 495, 375},   kDigitFace,          {}, kW,           "Calcola il Logaritmo Nepereano", "logaritmo naturale", key<engine::Logaritmo_Click>, A::Left, true},
    {"FunzioneInversa",   K::Button,  "2ndF",  {240, 1200, 495, 375},    kSecondFunctionFace, {}, kSmallBold,   "Premuto prima del tasto <log> o <ln> permette di calcolare l'antilogaritmo", "seconda funzione", key<engine::FunzioneInversa_Click>, A::Left, true},
    {"Text2",             K::TextBox, "",      {180, 280, 735, 285},     kDisplayBackground,  kSecondFunctionFace, kIndicatorFont, kDecimalPointTip, "Indicatore seconda funzione", nullptr, A::Left, true},
}};
// clang-format on

void noControlNamed(std::string_view name) {
    std::fprintf(stderr, "Form1 has no control %.*s\n", static_cast<int>(name.size()), name.data());
    std::abort();
}

int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / double(kTwipsPerPixel)));
}

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96 / 72));
}
