#include "WindowDriver.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDeadlineTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <map>

#include "Application.h"
#include "Form1.h"
#include "MemoryControls.h"
#include "OtherProgram.h"
#include "form/Form1Design.h"
#include "platform/qt/DisplayServer.h"

namespace testing {

namespace {

constexpr int kPatience = 10000; // ms: far beyond any answer under load, short of ctest's limit

// A message box nothing answers holds the click that opened it, and so the test, until CTest
// kills it: it fails the run instead, saying what the box said.
void failOnUnansweredBoxes() {
    struct Open {
        QPointer<QMessageBox> box;
        QDeadlineTimer answerBy;
    };
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, poll, [open = std::make_shared<Open>()] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            open->box = nullptr;
        else if (open->box != box)
            *open = {box, QDeadlineTimer(kPatience)};
        else if (open->answerBy.hasExpired())
            qFatal("a message box nobody answered: %s", qPrintable(box->text()));
    });
    poll->start(100);
}

} // namespace

void StartsAsTheProgram::initMain() {
    app::qt::chooseDisplayServer();
    app::qt::ignoreDesktopSettings();
}

void prepareTestApplication() {
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    app::qt::prepareApplication(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    failOnUnansweredBoxes();
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

namespace {

// How long the pointer is watched before sway is asked again where the window is.
constexpr int kPointerPoll = 100;

// Counts the keys the application has been given, each by its code, and notes when the last key
// or mouse button reached it, as they are given.
class InputWatch final : public QObject {
public:
    std::map<int, int> pressed;
    int released = 0; // mouse buttons
    Clock::time_point lastInput = Clock::now();

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonRelease)
            lastInput = Clock::now();
        if (event->type() == QEvent::MouseButtonRelease)
            ++released;
        if (event->type() == QEvent::KeyPress)
            ++pressed[static_cast<QKeyEvent*>(event)->key()];
        return false;
    }
};

// Notes a pointer motion over one widget. Watched from the application, since a widget that
// does not track the mouse is not shown moves itself.
class PointerWatch final : public QObject {
public:
    explicit PointerWatch(QWidget& widget) : m_widget(widget) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~PointerWatch() override { QCoreApplication::instance()->removeEventFilter(this); }
    bool came = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_widget &&
            (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter))
            came = true;
        return false;
    }

private:
    QWidget& m_widget;
};

InputWatch& inputWatch() {
    static InputWatch* watch = [] {
        auto* made = new InputWatch;
        QCoreApplication::instance()->installEventFilter(made);
        return made;
    }();
    return *watch;
}

} // namespace

WindowDriver::WindowDriver() {
    prepareTestApplication();
    inputWatch();
    // Another program empties the clipboard: Wayland takes a program's write only when an input
    // event led to it, and under GNOME mutter takes the X11 clipboard over whenever its owner
    // goes, which can race a write of the calculator's own.
    emptyClipboard();
    if (platform::qt::onWayland()) {
        // The compositor gives a new window the focus.
        m_form = std::make_unique<Form1>();
        m_form->show();
        if (!QTest::qWaitFor([this] { return m_form->isActiveWindow(); }, kPatience))
            qFatal("the calculator window never took the focus");
        m_compositor.emplace(m_form->windowTitle());
        return;
    }
    m_form = std::make_unique<Form1>();
    m_form->show();
    // Bare Xvfb runs no window manager, so nothing activates a new window by itself.
    m_form->activateWindow();
    if (!QTest::qWaitForWindowActive(m_form.get()))
        qFatal("the calculator window never became active");
}

WindowDriver::~WindowDriver() {
    // Closed as a user closes it, and gone once hidden: on Wayland it hides only once it can.
    m_form->close();
    if (!QTest::qWaitFor([this] { return !m_form->isVisible(); }, kPatience))
        qFatal("the calculator window never closed");
}

void WindowDriver::click(QWidget& widget, Qt::MouseButton mouseButton) {
    const QPoint centre = widget.mapTo(m_form.get(), widget.rect().center());
    if (!m_compositor) {
        QTest::mouseClick(m_form->windowHandle(), mouseButton, Qt::NoModifier, centre);
        return;
    }
    // The pointer is moved until the widget is told it moved over it, then clicks. Every move
    // goes a pixel elsewhere than the last, so there is always a motion to tell.
    PointerWatch watch(widget);
    const QDeadlineTimer deadline(kPatience);
    do {
        m_nudge = !m_nudge;
        m_compositor->moveTo(centre + QPoint(m_nudge, 0));
    } while (!QTest::qWaitFor([&watch] { return watch.came; }, kPointerPoll) &&
             !deadline.hasExpired());
    if (!watch.came)
        qFatal("the pointer never came over %s", qPrintable(widget.objectName()));
    auto* button = qobject_cast<QAbstractButton*>(&widget);
    if (!button) {
        // Handled in the same delivery as it is counted, before the loop comes back here.
        const int before = inputWatch().released;
        m_compositor->click(mouseButton);
        if (!QTest::qWaitFor([before] { return inputWatch().released > before; }, kPatience))
            qFatal("the click on %s never came", qPrintable(widget.objectName()));
        return;
    }
    // Returns once the click's handler has run: the spy is told after the window's own slot.
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    m_compositor->click();
    if (!clicked.wait(kPatience))
        qFatal("the click on %s never came", qPrintable(button->objectName()));
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
    if (m_compositor) {
        m_compositor->type(text);
        if (!QTest::qWaitFor([&] { return display.text() == text; }, kPatience))
            qFatal("the display never read %s", qPrintable(text));
        return;
    }
    for (const QChar character : text)
        QTest::keyClick(m_form->windowHandle(), character.toLatin1());
}

void WindowDriver::pressEnter() {
    pressKey(QStringLiteral("Return"), Qt::Key_Return);
}

void WindowDriver::pressKey(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (!m_compositor) {
        QTest::keyClick(m_form->windowHandle(), key, modifiers);
        return;
    }
    // Handled in the same delivery as it is counted, before the loop comes back here.
    const int before = inputWatch().pressed[key];
    m_compositor->key(name, modifiers);
    if (!QTest::qWaitFor([key, before] { return inputWatch().pressed[key] > before; }, kPatience))
        qFatal("the key %s never came", qPrintable(name));
}

void WindowDriver::chooseFromDisplayMenu(const char* entry) {
    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, &chooser, [&chooser, entry] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        chooser.stop();
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(QLineEdit::tr(entry)))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
    });
    chooser.start(10);
    QLineEdit& display = m_form->textBox("Text1").widget();
    const QPoint end(display.width() - 3, display.height() / 2); // after the text
    QContextMenuEvent request(QContextMenuEvent::Mouse, end, display.mapToGlobal(end));
    QCoreApplication::sendEvent(&display, &request);
}

platform::qt::WidgetButton& WindowDriver::buttonWithCaption(const QString& caption) {
    for (const form::ControlDesign& design : form::kForm1Controls) {
        if (design.kind == form::ControlKind::Button &&
            QString::fromUtf8(design.caption) == caption)
            return m_form->button(design.name);
    }
    qFatal("no button with caption %s", qPrintable(caption));
}

Clock::time_point WindowDriver::lastInput() const {
    return inputWatch().lastInput;
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
