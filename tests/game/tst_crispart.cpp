// The art drawn from its vector sources at the screen's pixel ratio. The whole
// program runs at 200 %, as on a high-density screen.
#include "scriptedplatform.h"
#include "window/form1.h"

#include <QApplication>
#include <QSet>
#include <QTest>

#include <cmath>

namespace {

// Fine detail: how far pixels stray from the mean of their 2 x 2 block, the
// detail that a picture of half the pixels each way cannot hold.
double fineDetail(const QImage &picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    double detail = 0;
    for (int y = 0; y + 1 < grey.height(); y += 2) {
        const uchar *row = grey.constScanLine(y);
        const uchar *below = grey.constScanLine(y + 1);
        for (int x = 0; x + 1 < grey.width(); x += 2) {
            const double block[] = {double(row[x]), double(row[x + 1]), double(below[x]), double(below[x + 1])};
            const double mean = (block[0] + block[1] + block[2] + block[3]) / 4;
            for (const double v : block)
                detail += (v - mean) * (v - mean);
        }
    }
    return detail;
}

// Mean difference per colour channel, 0 to 255, of two pictures of one size.
double difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row);
            const QRgb q = y.pixel(column, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

int colourCount(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x)
            colours.insert(rgb.pixel(x, y));
    }
    return int(colours.size());
}

QImage resized(const QImage &picture, QSize size)
{
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Drawn at scale 2, a picture holds this many times the fine detail of its
// scale-1 rendering blown up smoothly; blown up pixel by pixel it has none.
constexpr double sharper = 1.3;
// Drawn twice as fine, but still the same picture: another face, or this one
// shifted by a few pixels, is 30 or more apart.
constexpr double alike = 16;

enum class Part { Face, Background, Icon };

} // namespace

Q_DECLARE_METATYPE(Part)

class TestCrispArt : public QObject
{
    Q_OBJECT

private slots:
    void facesKeepTheirSize_data();
    void facesKeepTheirSize();
    void facesAreSharper_data();
    void facesAreSharper();
    void windowIsSharper_data();
    void windowIsSharper();
};

void TestCrispArt::facesKeepTheirSize_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("devicePixels");

    QTest::newRow("100 %") << 1.0 << 73;
    QTest::newRow("125 %") << 1.25 << 92; // 91.25, rounded up
    QTest::newRow("150 %") << 1.5 << 110;
    QTest::newRow("200 %") << 2.0 << 146;
    QTest::newRow("300 %") << 3.0 << 219;
    QTest::newRow("below 100 %") << 0.5 << 73;
    QTest::newRow("not a number") << qreal(std::nan("")) << 73;
}

void TestCrispArt::facesKeepTheirSize()
{
    QFETCH(qreal, ratio);
    QFETCH(int, devicePixels);

    const ImageList images(ratio);
    for (int position = 1; position <= ImageList::Count; ++position) {
        const QPixmap picture = images.picture(position);
        QCOMPARE(picture.size(), QSize(devicePixels, devicePixels));
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(73, 73));
        QVERIFY(!picture.toImage().hasAlphaChannel());
    }
    QVERIFY(images.picture(0).isNull());
    QVERIFY(images.picture(ImageList::Count + 1).isNull());
}

void TestCrispArt::facesAreSharper_data()
{
    QTest::addColumn<int>("position");
    for (int position = 1; position <= ImageList::Count; ++position)
        QTest::addRow("face %d", position - 1) << position;
}

void TestCrispArt::facesAreSharper()
{
    QFETCH(int, position);

    const QImage plain = ImageList(1.0).picture(position).toImage();
    const QImage crisp = ImageList(2.0).picture(position).toImage();
    QCOMPARE(crisp.size(), QSize(146, 146));
    const double blurred = fineDetail(resized(plain, crisp.size()));
    QVERIFY2(fineDetail(crisp) > sharper * blurred,
             qPrintable(QStringLiteral("%1 against %2").arg(fineDetail(crisp)).arg(blurred)));
    QVERIFY2(difference(resized(crisp, plain.size()), plain) < alike,
             qPrintable(QString::number(difference(resized(crisp, plain.size()), plain))));
}

void TestCrispArt::windowIsSharper_data()
{
    QTest::addColumn<Part>("part");
    QTest::addColumn<int>("face");

    for (int face = 0; face < ImageList::Count; ++face)
        QTest::addRow("face %d on a reel", face) << Part::Face << face;
    QTest::newRow("background") << Part::Background << -1;
    QTest::newRow("icon") << Part::Icon << -1;
}

void TestCrispArt::windowIsSharper()
{
    QFETCH(Part, part);
    QFETCH(int, face);

    ScriptedPlatform platform;
    Form1 w(platform);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.devicePixelRatio(), 2.0);

    QImage crisp;
    QImage blurred;
    switch (part) {
    case Part::Face: {
        // The same reel as the game fills it, and once more given the scale-1 picture.
        QCOMPARE(w.Images.picture(face + 1).size(), QSize(146, 146));
        w.PutFace(0, face);
        crisp = w.Output[0]->grab().toImage();
        QCOMPARE(crisp.size(), QSize(146, 146));
        w.Output[0]->setPicture(ImageList(1.0).picture(face + 1));
        blurred = w.Output[0]->grab().toImage();
        const QRect inside = crisp.rect().adjusted(4, 4, -4, -4); // within the frame
        crisp = crisp.copy(inside);
        blurred = blurred.copy(inside);
        break;
    }
    case Part::Background: {
        // The strip above the reels, where no control covers the background.
        const QRect strip(0, 0, 400, 50);
        crisp = w.grab(strip).toImage();
        const QImage plain = art::render(QStringLiteral(":/art/background.svg"), QSize(400, 300));
        blurred = resized(plain.copy(strip), crisp.size());
        QCOMPARE(crisp.size(), QSize(800, 100));
        break;
    }
    case Part::Icon: {
        crisp = w.windowIcon().pixmap(QSize(32, 32)).toImage();
        const QImage plain = w.windowIcon().pixmap(QSize(32, 32), 1.0).toImage();
        QCOMPARE(plain.size(), QSize(32, 32));
        QVERIFY(colourCount(plain) <= 256);
        QVERIFY(colourCount(crisp) <= 256); // sharper, still in 256 colours
        blurred = resized(plain, crisp.size());
        QCOMPARE(crisp.size(), QSize(64, 64));
        break;
    }
    }
    QVERIFY2(fineDetail(crisp) > sharper * fineDetail(blurred),
             qPrintable(QStringLiteral("%1 against %2").arg(fineDetail(crisp)).arg(fineDetail(blurred))));
    // Seen at half the size, the two are the same picture.
    const QSize half = crisp.size() / 2;
    const double apart = difference(resized(crisp, half), resized(blurred, half));
    QVERIFY2(apart < alike, qPrintable(QString::number(apart)));
}

int main(int argc, char *argv[])
{
    // Before the application starts: the screens take it up only then.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestCrispArt test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crispart.moc"
