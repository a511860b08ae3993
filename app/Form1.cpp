#include "Form1.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include "ControlLayout.h"
#include "ProgramIcon.h"
#include "Wiring.h"
#include "platform/ButtonFaceStyle.h"

namespace {

const QColor kBackground(0, 128, 128);
constexpr const char* kCaption = " By  Ulderano";

} // namespace

Form1::Form1()
    : Command1(m_defaultButton, this, "Command1"), Command2(m_defaultButton, this, "Command2"),
      Command3(m_defaultButton, this, "Command3"), Command4(m_defaultButton, this, "Command4"),
      Command5(m_defaultButton, this, "Command5"), Command6(m_defaultButton, this, "Command6"),
      Command7(m_defaultButton, this, "Command7"), Command8(m_defaultButton, this, "Command8"),
      Command9(m_defaultButton, this, "Command9"), Command10(m_defaultButton, this, "Command10"),
      List1(this, "List1"), Text1(this, "Text1"), Somma(m_defaultButton, this, "Somma"),
      Differenza(m_defaultButton, this, "Differenza"), Prodotto(m_defaultButton, this, "Prodotto"),
      Divisione(m_defaultButton, this, "Divisione"), Risultato(m_defaultButton, this, "Risultato"),
      Cancella(m_defaultButton, this, "Cancella"), Radice(m_defaultButton, this, "Radice"),
      Potenza(m_defaultButton, this, "Potenza"), Reciproco(m_defaultButton, this, "Reciproco"),
      Percentuale(m_defaultButton, this, "Percentuale"), Guida(m_defaultButton, this, "Guida"),
      LogaritmoDecimale(m_defaultButton, this, "LogaritmoDecimale"),
      Logaritmo(m_defaultButton, this, "Logaritmo"),
      FunzioneInversa(m_defaultButton, this, "FunzioneInversa"), Text2(this, "Text2"),
      m_messages(this),
      m_enterKey(m_defaultButton, this), m_controls{Text1,           Text2,      List1,
                                                    Somma,           Differenza, Prodotto,
                                                    Divisione,       Potenza,    Percentuale,
                                                    FunzioneInversa, m_clipboard} {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kCaption));
    setWindowIcon(programIcon());
    setFixedSize(kClientWidth, kClientHeight);
    setFont(controlFont(kWindowFont));

    layOutControls();
    setTabOrder();
    wireClicks(*this);
    m_enterKey.watch(*this);

    // The whole initial state: empty texts and list, Risultato the default, Command1 focused.
    Risultato.setDefault(true);
    Command1.widget().setFocus();

    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void Form1::layOutControls() {
    for (const ButtonLayout& layout : kButtonLayouts) {
        QPushButton& button = (this->*layout.button).widget();
        button.setText(QString::fromUtf8(layout.caption));
        button.setGeometry(pixelRect(layout.place));
        button.setFont(controlFont(layout.font));
        if (layout.face.isValid())
            platform::ButtonFaceStyle::setFace(button, layout.face);
    }
    for (const TextBoxLayout& layout : kTextBoxLayouts) {
        QLineEdit& edit = (this->*layout.box).widget();
        edit.setGeometry(pixelRect(layout.place));
        edit.setFont(controlFont(layout.font));
        edit.setAlignment(layout.alignment);
        QPalette palette = edit.palette();
        palette.setColor(QPalette::Base, layout.background);
        palette.setColor(QPalette::Text, layout.foreground);
        edit.setPalette(palette);
        edit.setToolTip(QString::fromUtf8(kDecimalPointTip));
    }
    for (const ToolTip& tip : kButtonToolTips)
        (this->*tip.button).widget().setToolTip(QString::fromUtf8(tip.text));

    QListWidget& list = List1.widget();
    list.setGeometry(pixelRect(kListPlace));
    list.setFont(controlFont(kListFont));
    list.hide();
}

void Form1::setTabOrder() {
    // List1 is hidden and never takes the focus, so the chain simply leaves it out.
    QWidget* order[] = {
        &Command1.widget(),
        &Command2.widget(),
        &Command3.widget(),
        &Command4.widget(),
        &Command5.widget(),
        &Command6.widget(),
        &Command7.widget(),
        &Command8.widget(),
        &Command9.widget(),
        &Command10.widget(),
        &Text1.widget(),
        &Somma.widget(),
        &Differenza.widget(),
        &Prodotto.widget(),
        &Divisione.widget(),
        &Risultato.widget(),
        &Cancella.widget(),
        &Radice.widget(),
        &Potenza.widget(),
        &Reciproco.widget(),
        &Percentuale.widget(),
        &Guida.widget(),
        &LogaritmoDecimale.widget(),
        &Logaritmo.widget(),
        &FunzioneInversa.widget(),
        &Text2.widget(),
    };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1::paintEvent(QPaintEvent*) {
    // Painted here rather than through the palette: the style derives button outlines from the
    // window colour, and teal outlines look wrong.
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
}
