#pragma once

// Form1 as data, and the wiring every front-end shares.
//
// This file: the calculator's window, Form1, described once. Every front-end (the Qt window, the
// Win32 window, the tests' in-memory form) builds its window from these rows, so adding or
// changing a control is one row here. Places are in twips as designed (15 twips to a pixel at
// 96 dpi), fonts in points. Form1Wiring.h holds what the front-ends do alike with the controls
// they build. Knows no toolkit.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace engine {
struct Controls;
}
namespace platform {
class MessageBox;
}

namespace form {

struct Rgb {
    std::uint8_t red, green, blue;
};

struct TwipRect {
    int left, top, width, height;
};

struct FontDesign {
    const char* family;
    double points;
    bool bold;
};

enum class ControlKind { Button, TextBox, ListBox };
enum class TextAlignment { Left, Right };

// What a button's click runs: a key's handler over the window's controls, or the help, which
// needs only the message box.
using ClickHandler = void (*)(engine::Controls& form, platform::MessageBox& messages);

struct ControlDesign {
    const char* name;
    ControlKind kind;
    const char* caption; // buttons only
    TwipRect place;
    std::optional<Rgb> face; // buttons: the face colour (none: the system's); boxes: background
    std::optional<Rgb> textColour; // text boxes only
    FontDesign font;
    const char* toolTip;    // nullptr: none
    const char* spokenName; // what a screen reader calls the control, in Italian
    ClickHandler click;     // buttons only
    TextAlignment alignment;
    bool visible;
};

inline constexpr const char* kForm1Caption = " By  Ulderano";
inline constexpr Rgb kForm1Background{0, 128, 128};
inline constexpr int kForm1ClientWidth = 3495, kForm1ClientHeight = 4155; // twips
// "MS Sans Serif" 9.75 pt bold: the window's font, and every control's without one of its own.
inline constexpr FontDesign kWindowFont{"MS Sans Serif", 9.75, true};

// In tab order, which is also the order of creation and so of stacking: Text2, created last, lies
// in front of Text1.
extern const std::array<ControlDesign, 27> kForm1Controls;

// The row of the control called `name`, or of the button captioned `caption`; nullptr if none.
const ControlDesign* designNamed(std::string_view name);
const ControlDesign* buttonCaptioned(std::string_view caption);

// How far apart two colours are to the eye, as WCAG measures it: from 1 (the same) to 21 (black
// on white). Text needs 4.5 to be read with ease.
double contrastRatio(Rgb one, Rgb other);
// What a key's caption is written in on its designed `face`: black or white, whichever contrasts
// more. The design wrote captions in the system's text colour, which a dark style makes light on
// these light faces, unreadable.
Rgb captionColourOn(Rgb face);

// The design's dots per inch: 15 twips to a pixel.
inline constexpr int kDesignDpi = 96;

// Rounded to the nearest pixel at `dpi`, as a twip position that is not a whole pixel must be.
int twipsToPixels(int twips, int dpi = kDesignDpi);
// The font's size in pixels at `dpi` (at 96 dpi 8.25 pt is 11 px, 9.75 pt 13, 12 pt 16, 13.5 pt
// 18).
int pointsToPixels(double points, int dpi = kDesignDpi);

} // namespace form
