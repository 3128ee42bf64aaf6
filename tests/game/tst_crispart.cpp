// The art drawn from its vector sources at the screen's pixel ratio. The whole
// program runs at 200 %, as on a high-density screen.
#include "scriptedplatform.h"
#include "window/form1.h"

#include <QTest>

namespace {

// Before the application starts: the screens take the factor up only then.
const bool doubled = qputenv("QT_SCALE_FACTOR", "2");

// How far pixels stray from the mean of their 2 x 2 block: the detail that a
// picture blown up from half the pixels each way cannot hold.
double fineDetail(const QImage &picture)
{
    const QImage grey = picture.convertToFormat(QImage::Format_Grayscale8);
    double detail = 0;
    for (int y = 0; y + 1 < grey.height(); y += 2)
        for (int x = 0; x + 1 < grey.width(); x += 2) {
            const uchar *row = grey.constScanLine(y) + x, *below = grey.constScanLine(y + 1) + x;
            const double block[] = {double(row[0]), double(row[1]), double(below[0]), double(below[1])};
            const double mean = (block[0] + block[1] + block[2] + block[3]) / 4;
            for (const double v : block)
                detail += (v - mean) * (v - mean);
        }
    return detail;
}

} // namespace

class TestCrispArt : public QObject
{
    Q_OBJECT

private slots:
    void sharperThanBlownUp_data()
    {
        QTest::addColumn<int>("part"); // 0 to 3 a face on a reel
        const char *names[] = {"face 0", "face 1", "face 2", "face 3", "background", "icon"};
        for (int part = 0; part < 6; ++part)
            QTest::newRow(names[part]) << part;
    }

    // Drawn at scale 2, each picture has more fine detail than its scale-1
    // drawing blown up smoothly to the same pixels.
    void sharperThanBlownUp()
    {
        QFETCH(int, part);
        ScriptedPlatform platform;
        Form1 w(platform);
        w.show();
        QVERIFY(doubled && QTest::qWaitForWindowExposed(&w));
        QImage crisp, blurred;
        if (part < ImageList::Count) { // the reel as the game fills it, then given the scale-1 picture
            const QPixmap plain = ImageList(1.0).picture(part + 1);
            for (const QPixmap &face : {plain, w.Images.picture(part + 1)})
                QCOMPARE(face.deviceIndependentSize().toSize(), QSize(73, 73));
            w.PutFace(0, part);
            crisp = w.Output[0]->grab().toImage().copy(4, 4, 138, 138); // within the frame
            w.Output[0]->setPicture(plain);
            blurred = w.Output[0]->grab().toImage().copy(4, 4, 138, 138);
        } else if (part == ImageList::Count) { // the strip above the reels, uncovered by controls
            crisp = w.grab(QRect(0, 0, 400, 50)).toImage();
            blurred = art::render(QStringLiteral(":/art/background.svg"), QSize(400, 300)).copy(0, 0, 400, 50);
        } else {
            crisp = w.windowIcon().pixmap(QSize(32, 32)).toImage();
            blurred = w.windowIcon().pixmap(QSize(32, 32), 1.0).toImage();
        }
        blurred = blurred.scaled(crisp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QVERIFY2(fineDetail(crisp) > 1.3 * fineDetail(blurred),
                 qPrintable(QStringLiteral("%1 against %2").arg(fineDetail(crisp)).arg(fineDetail(blurred))));
    }
};

QTEST_MAIN(TestCrispArt)
#include "tst_crispart.moc"
