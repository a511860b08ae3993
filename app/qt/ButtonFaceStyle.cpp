#include "ButtonFaceStyle.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace app::qt {

namespace {
constexpr const char* kFaceProperty = "platformFaceColour";
// How much darker a coloured face is while pressed, so a click shows.
constexpr int kPressedDarkness = 115;
// The focus mark sits this far inside the button's edge, clear of the default-button outline.
constexpr int kFocusInset = 3;
} // namespace

ButtonFaceStyle::ButtonFaceStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ButtonFaceStyle::setFace(QPushButton& button, const QColor& face, const QColor& caption) {
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, face);
    palette.setColor(QPalette::ButtonText, caption);
    button.setPalette(palette);
    button.setProperty(kFaceProperty, face);
}

void ButtonFaceStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    if (element != PE_PanelButtonCommand || !widget) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion draws focus and the default button with the same blue outline. The outline is left to
    // the default button alone; focus gets its own mark (drawControl).
    QStyleOptionButton panel;
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option))
        panel = *button;
    else
        panel.QStyleOption::operator=(*option);
    panel.state &= ~State_HasFocus;
    QProxyStyle::drawPrimitive(element, &panel, painter, widget);
    const QVariant face = widget->property(kFaceProperty);
    if (!face.isValid())
        return;
    QColor colour = face.value<QColor>();
    if (option->state & (State_Sunken | State_On))
        colour = colour.darker(kPressedDarkness);
    // Inside Fusion's one-pixel outline, which carries the emphasis.
    painter->fillRect(option->rect.adjusted(1, 1, -1, -1), colour);
}

void ButtonFaceStyle::drawControl(ControlElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus))
        drawFocusInsideFace(
            option->rect.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset), painter);
}

void ButtonFaceStyle::drawFocusInsideFace(const QRect& rect, QPainter* painter) {
    // A dotted rectangle inside the face, clear of the outline, in black, which shows on every face
    // colour of the window.
    painter->save();
    painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

} // namespace app::qt
