#pragma once

// Where every control of Form1 stands and how it looks. Places are in twips as designed
// (15 twips to a pixel at 96 dpi); fonts are in pixels, the designed point sizes at 96 dpi, so
// that captions keep fitting their fixed-size buttons whatever font DPI the desktop sets.

#include <QColor>
#include <QFont>
#include <QRect>
#include <array>

class Form1;
namespace platform {
class WidgetButton;
class WidgetTextBox;
} // namespace platform

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 3495 / kTwipsPerPixel;  // 233
constexpr int kClientHeight = 4155 / kTwipsPerPixel; // 277

struct TwipRect {
    int left, top, width, height;
};

struct FontSpec {
    const char* family;
    int pixelSize;
    bool bold;
};

// "MS Sans Serif" 9.75 pt bold: every control without a font of its own.
inline constexpr FontSpec kWindowFont{"MS Sans Serif", 13, true};
inline constexpr FontSpec kListFont{"MS Sans Serif", 11, false};
inline constexpr TwipRect kListPlace{720, 720, 1935, 450};

struct ButtonLayout {
    platform::WidgetButton Form1::*button;
    const char* caption;
    TwipRect place;
    QColor face; // invalid: the style's usual button colour
    FontSpec font;
};

struct TextBoxLayout {
    platform::WidgetTextBox Form1::*box;
    TwipRect place;
    QColor background;
    QColor foreground;
    FontSpec font;
    Qt::Alignment alignment;
};

struct ToolTip {
    platform::WidgetButton Form1::*button;
    const char* text;
};

extern const std::array<ButtonLayout, 24> kButtonLayouts;
extern const std::array<TextBoxLayout, 2> kTextBoxLayouts;
extern const std::array<ToolTip, 4> kButtonToolTips;
extern const char* const kDecimalPointTip;

// Rounded to the nearest pixel, as a twip position that is not a whole pixel must be.
QRect pixelRect(const TwipRect& place);
QFont controlFont(const FontSpec& wanted);
