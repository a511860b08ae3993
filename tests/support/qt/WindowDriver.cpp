#include "WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "Application.h"
#include "Form1.h"
#include "MemoryControls.h"
#include "form/Form1Design.h"
#include "platform/qt/QtClipboard.h"

namespace testing {

void prepareTestApplication() {
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    app::qt::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void answerNextMessageBox(std::function<void(QMessageBox&)> inspect) {
    auto* poll = new QTimer(QCoreApplication::instance());
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, waited, inspect = std::move(inspect)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            if (++*waited > 500)
                qFatal("no message box opened within 10 s");
            return;
        }
        poll->stop();
        poll->deleteLater();
        inspect(*box);
        box->button(QMessageBox::Ok)->click();
    });
    poll->start(20);
}

WindowDriver::WindowDriver() {
    prepareTestApplication();
    // Through the calculator's own clipboard, which makes sure the write really took.
    platform::qt::QtClipboard().setText("");
    m_form = std::make_unique<Form1>();
    m_form->show();
    // Bare Xvfb runs no window manager, so nothing activates a new window by itself.
    m_form->activateWindow();
    if (!QTest::qWaitForWindowActive(m_form.get()))
        qFatal("the calculator window never became active");
}

WindowDriver::~WindowDriver() = default;

void WindowDriver::click(QWidget& widget) {
    const QPoint centre = widget.mapTo(m_form.get(), widget.rect().center());
    QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
}

void WindowDriver::click(platform::qt::WidgetButton& button) {
    click(button.widget());
}

void WindowDriver::press(const QString& keys) {
    for (const std::string& key : captions(keys.toStdString())) {
        const QString caption = QString::fromStdString(key);
        if (caption.startsWith(QLatin1Char('\'')))
            typeIntoDisplay(caption.mid(1));
        else if (caption == QLatin1String("Enter"))
            pressEnter();
        else
            click(buttonWithCaption(caption));
    }
}

void WindowDriver::typeIntoDisplay(const QString& text) {
    QLineEdit& display = m_form->textBox("Text1").widget();
    click(display);
    display.selectAll();
    for (const QChar character : text)
        QTest::keyClick(m_form->windowHandle(), character.toLatin1());
}

void WindowDriver::pressEnter() {
    QTest::keyClick(m_form->windowHandle(), Qt::Key_Return);
}

platform::qt::WidgetButton& WindowDriver::buttonWithCaption(const QString& caption) {
    for (const form::ControlDesign& design : form::kForm1Controls) {
        if (design.kind == form::ControlKind::Button &&
            QString::fromUtf8(design.caption) == caption)
            return m_form->button(design.name);
    }
    qFatal("no button with caption %s", qPrintable(caption));
}

QString WindowDriver::display() const {
    return m_form->textBox("Text1").widget().text();
}

QString WindowDriver::indicator() const {
    return m_form->textBox("Text2").widget().text();
}

QString WindowDriver::digitList() const {
    QString joined;
    const QListWidget& list = m_form->listBox("List1").widget();
    for (int i = 0; i < list.count(); ++i)
        joined += list.item(i)->text();
    return joined;
}

QString WindowDriver::defaultButton() {
    QString holder;
    for (QPushButton* button : m_form->findChildren<QPushButton*>()) {
        // The rule and the drawn emphasis must agree; a second holder is a broken rule.
        const bool ruled = buttonWithCaption(button->text()).isDefault();
        if (ruled != button->isDefault())
            qFatal("%s: rule and emphasis disagree", qPrintable(button->objectName()));
        if (ruled) {
            if (!holder.isEmpty())
                qFatal("two default buttons: %s and %s", qPrintable(holder),
                       qPrintable(button->text()));
            holder = button->text();
        }
    }
    return holder;
}

} // namespace testing
