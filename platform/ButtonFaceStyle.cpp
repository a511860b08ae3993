#include "ButtonFaceStyle.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace platform {

namespace {
constexpr const char* kFaceProperty = "platformFaceColour";
// How much darker a coloured face is while pressed, so a click shows.
constexpr int kPressedDarkness = 115;
} // namespace

ButtonFaceStyle::ButtonFaceStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ButtonFaceStyle::setFace(QPushButton& button, const QColor& face) {
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, face);
    button.setPalette(palette);
    button.setProperty(kFaceProperty, face);
}

void ButtonFaceStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element != PE_PanelButtonCommand || !widget)
        return;
    const QVariant face = widget->property(kFaceProperty);
    if (!face.isValid())
        return;
    QColor colour = face.value<QColor>();
    if (option->state & (State_Sunken | State_On))
        colour = colour.darker(kPressedDarkness);
    // Inside Fusion's one-pixel outline, which carries the emphasis.
    painter->fillRect(option->rect.adjusted(1, 1, -1, -1), colour);
}

} // namespace platform
