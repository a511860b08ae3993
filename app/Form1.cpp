#include "Form1.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "ControlsByName.h"
#include "Form1Design.h"
#include "ProgramIcon.h"
#include "engine/ClickDispatch.h"
#include "platform/ButtonFaceStyle.h"

namespace {

QRect pixelRect(const TwipRect& place) {
    return QRect(twipsToPixels(place.left), twipsToPixels(place.top), twipsToPixels(place.width),
                 twipsToPixels(place.height));
}

// Sizes in pixels, so captions keep fitting their fixed-size buttons whatever font DPI the
// desktop sets.
QFont controlFont(const FontDesign& design) {
    QFont font(QString::fromLatin1(design.family));
    font.setPixelSize(pointsToPixels(design.points));
    font.setBold(design.bold);
    return font;
}

QColor colour(const Rgb& rgb) {
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

Form1::Form1() : m_messages(this), m_enterKey(m_defaultButton, this), m_announcer(*this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kForm1Caption));
    setWindowIcon(programIcon());
    setFixedSize(twipsToPixels(kForm1ClientWidth), twipsToPixels(kForm1ClientHeight));
    setFont(controlFont(kWindowFont));

    for (const ControlDesign& design : kForm1Controls) {
        switch (design.kind) {
        case ControlKind::Button:
            addButton(design);
            break;
        case ControlKind::TextBox:
            addTextBox(design);
            break;
        case ControlKind::ListBox:
            addListBox(design);
            break;
        }
    }
    setTabOrder();
    m_controls.emplace(engine::Controls{
        textBox("Text1"), textBox("Text2"), listBox("List1"), button("Somma"), button("Differenza"),
        button("Prodotto"), button("Divisione"), button("Potenza"), button("Percentuale"),
        button("FunzioneInversa"), m_clipboard});
    wireClicks();
    m_enterKey.watch(*this);

    // The whole initial state: empty texts and list, Risultato the default, Command1 focused.
    button("Risultato").setDefault(true);
    button("Command1").widget().setFocus();

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() = default;

platform::WidgetButton& Form1::button(std::string_view name) const {
    return controlNamed(m_buttons, name);
}

platform::WidgetTextBox& Form1::textBox(std::string_view name) const {
    return controlNamed(m_textBoxes, name);
}

platform::WidgetListBox& Form1::listBox(std::string_view name) const {
    return controlNamed(m_listBoxes, name);
}

void Form1::addButton(const ControlDesign& design) {
    auto button = std::make_unique<platform::WidgetButton>(m_defaultButton, this, design.name);
    QPushButton& widget = button->widget();
    widget.setText(QString::fromUtf8(design.caption));
    describe(widget, design);
    if (design.face)
        platform::ButtonFaceStyle::setFace(widget, colour(*design.face));
    m_buttons.emplace(design.name, std::move(button));
}

void Form1::addTextBox(const ControlDesign& design) {
    auto box = std::make_unique<platform::WidgetTextBox>(this, design.name);
    QLineEdit& edit = box->widget();
    describe(edit, design);
    edit.setAlignment((design.alignment == TextAlignment::Right ? Qt::AlignRight : Qt::AlignLeft) |
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
    auto list = std::make_unique<platform::WidgetListBox>(this, design.name);
    describe(list->widget(), design);
    m_listBoxes.emplace(design.name, std::move(list));
}

void Form1::setTabOrder() {
    // The rows are in tab order; the hidden digit list never takes the focus, so it is left out.
    QWidget* previous = nullptr;
    for (const ControlDesign& design : kForm1Controls) {
        if (!design.visible)
            continue;
        QWidget* current = findChild<QWidget*>(QString::fromLatin1(design.name));
        if (previous)
            QWidget::setTabOrder(previous, current);
        previous = current;
    }
}

void Form1::wireClicks() {
    // Each button's click runs exactly one handler, through the one click dispatcher. No other
    // event of any control or of the window is handled.
    for (const ControlDesign& design : kForm1Controls) {
        if (design.kind != ControlKind::Button)
            continue;
        QObject::connect(&button(design.name).widget(), &QPushButton::clicked, this,
                         [this, click = design.click] {
                             const Spoken before = spokenState();
                             engine::dispatchClick([this, click] { click(controls(), messages()); },
                                                   messages());
                             announceChanges(before);
                         });
    }
}

Form1::Spoken Form1::spokenState() const {
    return {textBox("Text1").widget().text(), button("FunzioneInversa").isDefault()};
}

void Form1::announceChanges(const Spoken& before) {
    // The focus stays on the key just clicked, so a screen reader would not read the display by
    // itself: a new result or message is announced, and so is the 2ndF state when it changes.
    const Spoken after = spokenState();
    QStringList news;
    if (after.display != before.display && !after.display.isEmpty())
        news << after.display;
    if (after.secondFunction != before.secondFunction) {
        news << (after.secondFunction ? QStringLiteral("seconda funzione attiva")
                                      : QStringLiteral("seconda funzione disattivata"));
    }
    m_announcer.announce(news.join(QStringLiteral(", ")));
}

void Form1::paintEvent(QPaintEvent*) {
    // Painted here rather than through the palette: the style derives button outlines from the
    // window colour, and teal outlines look wrong.
    QPainter painter(this);
    painter.fillRect(rect(), colour(kForm1Background));
}
