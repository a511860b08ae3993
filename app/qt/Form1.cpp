#include "Form1.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "ButtonFaceStyle.h"
#include "ProgramIcon.h"
#include "form/Form1Design.h"
#include "platform/qt/DisplayServer.h"

namespace app::qt {

namespace {

using form::ControlDesign;

QRect pixelRect(const form::TwipRect& place) {
    return QRect(form::twipsToPixels(place.left), form::twipsToPixels(place.top),
                 form::twipsToPixels(place.width), form::twipsToPixels(place.height));
}

// Sizes in pixels, so captions keep fitting their fixed-size buttons whatever font DPI the
// desktop sets.
QFont controlFont(const form::FontDesign& design) {
    QFont font(QString::fromLatin1(design.family));
    font.setPixelSize(form::pointsToPixels(design.points));
    font.setBold(design.bold);
    return font;
}

QColor colour(const form::Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void describe(QWidget& widget, const ControlDesign& design) {
    widget.setGeometry(pixelRect(design.place));
    widget.setFont(controlFont(design.font));
    // Screen readers say the spoken name ("più", not "+") and read the tool tip as the description.
    widget.setAccessibleName(QString::fromUtf8(design.spokenName));
    if (design.toolTip) {
        widget.setToolTip(QString::fromUtf8(design.toolTip));
        widget.setAccessibleDescription(widget.toolTip());
    }
    widget.setVisible(design.visible);
}

} // namespace

Form1::Form1()
    : m_clipboard(platform::qt::clipboardForThisDisplay()), m_messages(this),
      m_enterKey(
          [this](QObject& focused) {
              m_wiring->pressEnter(form::designNamed(focused.objectName().toStdString()));
          },
          this),
      m_announcer(*this), m_textBoxClipboard(*m_clipboard, m_messages, this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(form::kForm1Caption));
    setWindowIcon(programIcon());
    setFixedSize(form::twipsToPixels(form::kForm1ClientWidth),
                 form::twipsToPixels(form::kForm1ClientHeight));
    setFont(controlFont(form::kWindowFont));

    for (const ControlDesign& design : form::kForm1Controls) {
        switch (design.kind) {
        case form::ControlKind::Button:
            addButton(design);
            break;
        case form::ControlKind::TextBox:
            addTextBox(design);
            break;
        case form::ControlKind::ListBox:
            addListBox(design);
            break;
        }
    }
    setTabOrder();
    m_wiring.emplace(
        form::Form1Parts{*this, m_defaultButton, *m_clipboard, m_messages, m_announcer});
    wireClicks();
    m_enterKey.watch(*this);
    m_textBoxClipboard.watch(textBox("Text1").widget());
    m_textBoxClipboard.watch(textBox("Text2").widget());

    m_wiring->setInitialState();
    button(form::Form1Wiring::firstFocus().name).widget().setFocus();

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() {
    // Destroyed while shown, it is hidden here first, where it can still settle.
    m_hide.settleNow();
    hide();
}

platform::qt::WidgetButton& Form1::button(std::string_view name) const {
    return form::controlNamed(m_buttons, name);
}

platform::qt::WidgetTextBox& Form1::textBox(std::string_view name) const {
    return form::controlNamed(m_textBoxes, name);
}

platform::qt::WidgetListBox& Form1::listBox(std::string_view name) const {
    return form::controlNamed(m_listBoxes, name);
}

void Form1::addButton(const ControlDesign& design) {
    auto button = std::make_unique<platform::qt::WidgetButton>(m_defaultButton, this, design.name);
    QPushButton& widget = button->widget();
    widget.setText(QString::fromUtf8(design.caption));
    describe(widget, design);
    if (design.face)
        ButtonFaceStyle::setFace(widget, colour(*design.face),
                                 colour(form::captionColourOn(*design.face)));
    m_buttons.emplace(design.name, std::move(button));
}

void Form1::addTextBox(const ControlDesign& design) {
    auto box = std::make_unique<platform::qt::WidgetTextBox>(this, design.name);
    QLineEdit& edit = box->widget();
    describe(edit, design);
    edit.setAlignment(
        (design.alignment == form::TextAlignment::Right ? Qt::AlignRight : Qt::AlignLeft) |
        Qt::AlignVCenter);
    QPalette palette = edit.palette();
    if (design.face)
        palette.setColor(QPalette::Base, colour(*design.face));
    if (design.textColour)
        palette.setColor(QPalette::Text, colour(*design.textColour));
    edit.setPalette(palette);
    m_textBoxes.emplace(design.name, std::move(box));
}

void Form1::addListBox(const ControlDesign& design) {
    auto list = std::make_unique<platform::qt::WidgetListBox>(this, design.name);
    describe(list->widget(), design);
    m_listBoxes.emplace(design.name, std::move(list));
}

void Form1::setTabOrder() {
    QWidget* previous = nullptr;
    for (const ControlDesign* design : form::Form1Wiring::tabOrder()) {
        QWidget* current = findChild<QWidget*>(QString::fromLatin1(design->name));
        if (previous)
            QWidget::setTabOrder(previous, current);
        previous = current;
    }
}

void Form1::wireClicks() {
    // Each button's click runs exactly one handler, through the wiring. No other event of any
    // control or of the window is handled.
    for (const ControlDesign& design : form::kForm1Controls) {
        if (design.kind != form::ControlKind::Button)
            continue;
        QObject::connect(&button(design.name).widget(), &QPushButton::clicked, this,
                         [this, &design] { m_wiring->click(design); });
    }
}

void Form1::paintEvent(QPaintEvent*) {
    // Painted here rather than through the palette: the style derives button outlines from the
    // window colour, and teal outlines look wrong.
    QPainter painter(this);
    painter.fillRect(rect(), colour(form::kForm1Background));
}

} // namespace app::qt
