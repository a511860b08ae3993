#pragma once

#include <QProxyStyle>

class QPushButton;

namespace app::qt {

// The application style: Fusion, except that a button given a face colour is filled flat with
// exactly that colour (Fusion would wash it into a light gradient), and that a focused button
// shows a dotted rectangle inside its face, so focus never looks like the default-button emphasis,
// which stays Fusion's blue outline.
class ButtonFaceStyle final : public QProxyStyle {
public:
    ButtonFaceStyle();

    // Paints `button` with `face`, its caption in `caption`, from now on.
    static void setFace(QPushButton& button, const QColor& face, const QColor& caption);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;

private:
    static void drawFocusInsideFace(const QRect& rect, QPainter* painter);
};

} // namespace app::qt
