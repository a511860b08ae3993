#pragma once

#include <QProxyStyle>

class QPushButton;

namespace platform {

// The application style: Fusion, except that a button given a face colour is filled flat with
// exactly that colour (Fusion would wash it into a light gradient). The outline, with its
// default-button and focus emphasis, stays Fusion's.
class ButtonFaceStyle final : public QProxyStyle {
public:
    ButtonFaceStyle();

    // Paints `button` with `face` from now on.
    static void setFace(QPushButton& button, const QColor& face);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace platform
