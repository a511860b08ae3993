// What the X server really shows: the window grabbed from the screen, its colours checked at
// known points (background, the "=", "2ndF" and "+" faces, the display and the indicator), every
// caption readable on its key, and the keyboard focus drawn unlike the pending operation. Run as
// under a dark GNOME desktop (GTK_THEME=Adwaita:dark, its theme plugin installed), which must
// change none of it.

#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "Form1.h"
#include "WindowDriver.h"
#include "form/Form1Design.h"

using app::qt::Form1;

class ScreenshotTest : public QObject, public testing::StartsAsTheProgram {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testing::prepareTestApplication(); }
    void coloursAtKnownPoints_data();
    void coloursAtKnownPoints();
    void captionsReadOnEveryKey();
    void focusLooksUnlikeThePendingOperation();
};

namespace {

QImage grabbed(Form1& form) {
    const QPoint origin = form.mapToGlobal(QPoint(0, 0));
    return form.screen()
        ->grabWindow(0, origin.x(), origin.y(), form.width(), form.height())
        .toImage();
}

// Black pixels along a row of the window, from x to x + length.
int blackPixels(const QImage& shot, int x, int y, int length) {
    int black = 0;
    for (int i = 0; i < length; ++i)
        black += shot.pixelColor(x + i, y) == QColor(Qt::black);
    return black;
}

bool bluish(const QColor& colour) {
    return colour.blue() > colour.red() + 60;
}

} // namespace

void ScreenshotTest::coloursAtKnownPoints_data() {
    QTest::addColumn<QPoint>("point"); // in the window's client area, in pixels
    QTest::addColumn<QColor>("colour");
    const QColor teal(0, 128, 128), display(221, 255, 255);
    QTest::newRow("background, top left") << QPoint(1, 1) << teal;
    QTest::newRow("background, between display and keys") << QPoint(116, 60) << teal;
    QTest::newRow("background, bottom right") << QPoint(231, 275) << teal;
    QTest::newRow("background, between keys") << QPoint(52, 130) << teal;
    QTest::newRow("= face") << QPoint(140, 236) << QColor(128, 255, 128);
    QTest::newRow("= face, far end") << QPoint(212, 260) << QColor(128, 255, 128);
    QTest::newRow("2ndF face") << QPoint(19, 83) << QColor(255, 128, 0);
    QTest::newRow("C face") << QPoint(140, 83) << QColor(192, 192, 192);
    QTest::newRow("digit face") << QPoint(19, 115) << QColor(224, 224, 224);
    QTest::newRow("+ face, the system's") << QPoint(84, 236) << QColor(252, 252, 252);
    QTest::newRow("display") << QPoint(150, 28) << display;
    QTest::newRow("indicator") << QPoint(20, 28) << display;
}

void ScreenshotTest::coloursAtKnownPoints() {
    QFETCH(QPoint, point);
    QFETCH(QColor, colour);
    testing::WindowDriver driver;
    Form1& form = driver.form();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Grabbed from the X server until the painting has reached it, however long that takes.
    const auto grabbed = [&form, point] {
        const QPoint origin = form.mapToGlobal(QPoint(0, 0));
        const QImage shot = form.screen()
                                ->grabWindow(0, origin.x(), origin.y(), form.width(), form.height())
                                .toImage();
        return shot.size() == form.size() ? shot.pixelColor(point).name() : QString();
    };
    QTRY_COMPARE(grabbed(), colour.name());
}

void ScreenshotTest::captionsReadOnEveryKey() {
    testing::WindowDriver driver;
    Form1& form = driver.form();
    // Once the painting has reached the X server: a digit key's face shows.
    const auto painted = [&form] {
        const QImage shot = grabbed(form);
        return shot.size() == form.size() && shot.pixelColor(19, 115) == QColor(224, 224, 224);
    };
    QTRY_VERIFY(painted());
    const QImage shot = grabbed(form);
    const auto rgb = [](QColor c) {
        return form::Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                         static_cast<std::uint8_t>(c.blue())};
    };
    for (const form::ControlDesign& design : form::kForm1Controls) {
        auto* key = form.findChild<QPushButton*>(QString::fromLatin1(design.name));
        if (!key || !key->isVisible())
            continue;
        // The face a few pixels inside the key's edge; the caption's strongest pixel in its middle.
        const QRect place(key->mapTo(&form, QPoint(0, 0)), key->size());
        const form::Rgb face = rgb(shot.pixelColor(place.topLeft() + QPoint(4, 4)));
        double best = 1;
        for (int y = place.top() + 6; y < place.bottom() - 5; ++y) {
            for (int x = place.left() + 6; x < place.right() - 5; ++x)
                best = std::max(best, form::contrastRatio(face, rgb(shot.pixelColor(x, y))));
        }
        QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1 reads at %2:1 on its face")
                                             .arg(QLatin1String(design.caption))
                                             .arg(best)));
    }
}

void ScreenshotTest::focusLooksUnlikeThePendingOperation() {
    testing::WindowDriver driver;
    Form1& form = driver.form();
    driver.press(QStringLiteral("5 +"));
    QTest::keyClick(form.windowHandle(), Qt::Key_Tab); // the focus moves on to "-"
    QTRY_VERIFY(form.button("Differenza").widget().hasFocus());
    // "-" (56, 232) has the focus, "+" (96, 232) the pending operation; both 33 pixels square.
    // Focus: a dotted rectangle 3 pixels inside the face. Pending: the blue outline.
    QTRY_VERIFY(blackPixels(grabbed(form), 59, 235, 26) >= 5);
    const QImage shot = grabbed(form);
    QCOMPARE(blackPixels(shot, 99, 235, 26), 0);
    QVERIFY(bluish(shot.pixelColor(112, 232)));
    QVERIFY(!bluish(shot.pixelColor(72, 232)));
}

QTEST_MAIN(ScreenshotTest)
#include "tst_screenshot.moc"
