// The program icon's pixels in both sizes, and the committed desktop and Windows icon files
// holding exactly those pixels.

#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QtTest>

#include "app/qt/ProgramIcon.h"
#include "form/IconPixels.h"

using app::qt::programIcon;
using app::qt::programIconImage;
using app::qt::programIconSvg;
using form::kIconSizes;

namespace {

const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kWhite = qRgb(255, 255, 255);

// The design's description, restated independently of the drawing code. Other sizes take each
// pixel of a drawn image in whole squares where it divides them: the 32-pixel image, or the
// 16-pixel one where only that divides them; the 16-pixel image below 32 and the 32-pixel one
// above it where neither does (20, 24, 40), each pixel once or twice.
QRgb expectedPixel(int size, int x, int y) {
    if (size != 16 && size != 32) {
        const bool only16Divides = size % 32 != 0 && size % 16 == 0;
        const int base = size < 32 || only16Divides ? 16 : 32;
        return expectedPixel(base, x * base / size, y * base / size);
    }
    if (size == 32) {
        const double dx = x - 15, dy = y - 15;
        if (dx * dx + dy * dy > 15.5 * 15.5)
            return 0;
        const bool bar =
            (y >= 13 && y <= 17 && x >= 6 && x <= 24) || (x >= 13 && x <= 17 && y >= 6 && y <= 24);
        return bar ? kWhite : kBlue;
    }
    const double dx = x - 7.5, dy = y - 7.5;
    if (dx * dx + dy * dy > 8.0 * 8.0)
        return 0;
    const bool bar =
        ((y == 7 || y == 8) && x >= 3 && x <= 12) || ((x == 7 || x == 8) && y >= 3 && y <= 12);
    return bar ? kWhite : kBlue;
}

QString mismatch(const QImage& image, int size) {
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb pixel = image.pixel(x, y);
            const QRgb want = expectedPixel(size, x, y);
            const bool same = want == 0
                                  ? qAlpha(pixel) == 0
                                  : qAlpha(pixel) == 255 && (pixel & 0xffffff) == (want & 0xffffff);
            if (!same)
                return QStringLiteral("pixel (%1, %2) of the %3 x %3 image is %4")
                    .arg(x)
                    .arg(y)
                    .arg(size)
                    .arg(pixel, 8, 16);
        }
    }
    return {};
}

QString packagingFile(const char* name) {
    return QStringLiteral(BRENOLDI_SOURCE_DIR "/packaging/icons/") + QLatin1String(name);
}

} // namespace

class ProgramIconTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawnPixels_data();
    void drawnPixels();
    void landmarks();
    void windowIconHasBothSizes();
    void desktopPngs_data();
    void desktopPngs();
    void scalableIconIsTheDrawnOne();
    void windowsIcoHoldsEverySize();
};

void ProgramIconTest::drawnPixels_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("32 x 32") << 32;
    QTest::newRow("16 x 16") << 16;
}

void ProgramIconTest::drawnPixels() {
    QFETCH(int, size);
    const QImage image = programIconImage(size).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(size, size));
    const QString wrong = mismatch(image, size);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void ProgramIconTest::landmarks() {
    const QImage big = programIconImage(32).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qAlpha(big.pixel(0, 0)), 0);             // outside the disc
    QCOMPARE(qAlpha(big.pixel(31, 15)), 0);           // column 31 is past the disc
    QCOMPARE(big.pixel(0, 15), kBlue | 0xff000000);   // the disc's leftmost column
    QCOMPARE(big.pixel(15, 15), kWhite | 0xff000000); // the centre of the plus
    QCOMPARE(big.pixel(5, 15), kBlue | 0xff000000);   // just left of the bar
    const QImage small = programIconImage(16).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(small.pixel(0, 7), kBlue | 0xff000000); // the disc fills the image
    QCOMPARE(small.pixel(3, 8), kWhite | 0xff000000);
    QCOMPARE(qAlpha(small.pixel(0, 0)), 0);
}

void ProgramIconTest::windowIconHasBothSizes() {
    const QList<QSize> sizes = programIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

void ProgramIconTest::desktopPngs_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("size");
    for (const int size : kIconSizes) {
        const QByteArray name = "brenoldi-" + QByteArray::number(size) + ".png";
        QTest::newRow(name.constData()) << packagingFile(name.constData()) << size;
    }
}

void ProgramIconTest::desktopPngs() {
    QFETCH(QString, file);
    QFETCH(int, size);
    QImage image(file);
    QVERIFY2(!image.isNull(), qPrintable(file));
    const QString wrong = mismatch(image.convertToFormat(QImage::Format_ARGB32), size);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void ProgramIconTest::scalableIconIsTheDrawnOne() {
    QFile svg(packagingFile("brenoldi.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QCOMPARE(svg.readAll(), programIconSvg());
}

void ProgramIconTest::windowsIcoHoldsEverySize() {
    QImageReader reader(packagingFile("brenoldi.ico"));
    const QList<int> written(form::kWindowsIconSizes.begin(), form::kWindowsIconSizes.end());
    QCOMPARE(reader.imageCount(), written.size());
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        sizes << image.width();
        const QString wrong = mismatch(image.convertToFormat(QImage::Format_ARGB32), image.width());
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
    std::sort(sizes.begin(), sizes.end());
    QCOMPARE(sizes, written);
}

QTEST_MAIN(ProgramIconTest)
#include "tst_program_icon.moc"
