// The icon files drawn at build time: the theme's PNG on Linux, and the .ico
// and .iconset that Windows and macOS builds make (only their files are
// checked here, not those platforms' tools).
#include "iconfiles.h"

#include <QDir>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString svg = QStringLiteral(FACEREEL_ICON_SVG);

} // namespace

class TestIconFiles : public QObject
{
    Q_OBJECT

private slots:
    void render_data();
    void render();
    void png_data();
    void png();
    void ico();
    void iconSet();
    void refusals_data();
    void refusals();
};

void TestIconFiles::render_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 48, 256})
        QTest::addRow("%d px", size) << size;
}

void TestIconFiles::render()
{
    QFETCH(int, size);
    const QImage picture = iconfiles::render(svg, size);
    QCOMPARE(picture.size(), QSize(size, size));
    // The tile's rounded corners stay see-through; its middle is covered.
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(picture.pixel(size - 1, size - 1)), 0);
    QCOMPARE(qAlpha(picture.pixel(size / 2, size / 2)), 255);
}

void TestIconFiles::png_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("theme's 32 x 32") << 32;
    QTest::newRow("48 x 48") << 48;
}

void TestIconFiles::png()
{
    QFETCH(int, size);
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("icon.png"));
    QCOMPARE(iconfiles::write(svg, target, size), QString());
    QImageReader reader(target);
    QCOMPARE(reader.format(), QByteArray("png"));
    const QImage picture = reader.read();
    QCOMPARE(picture.size(), QSize(size, size));
    QVERIFY(picture.hasAlphaChannel());
    QCOMPARE(picture.convertToFormat(QImage::Format_ARGB32), iconfiles::render(svg, size));
}

void TestIconFiles::ico()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("facereel.ico"));
    QCOMPARE(iconfiles::write(svg, target, 0), QString());

    // Read back with Qt's own .ico reader: every size, in order, drawn alike.
    QImageReader reader(target, "ico");
    const QList<int> sizes = iconfiles::icoSizes();
    QCOMPARE(reader.imageCount(), sizes.size());
    for (const int size : sizes) {
        const QImage picture = reader.read();
        QVERIFY2(!picture.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(picture.size(), QSize(size, size));
        QCOMPARE(picture.convertToFormat(QImage::Format_ARGB32), iconfiles::render(svg, size));
        reader.jumpToNextImage();
    }
}

void TestIconFiles::iconSet()
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("facereel.iconset"));
    QCOMPARE(iconfiles::write(svg, target, 0), QString());
    const QList<std::pair<QString, int>> files = iconfiles::iconSet();
    QCOMPARE(QDir(target).entryList(QDir::Files).size(), files.size());
    for (const auto &[name, size] : files) {
        // iconutil takes a name's size, doubled for @2x, as the picture's.
        const int named = name.section(QLatin1Char('_'), 1).section(QLatin1Char('x'), 0, 0).toInt();
        QCOMPARE(size, name.contains(QLatin1String("@2x")) ? 2 * named : named);
        QCOMPARE(QImage(QDir(target).filePath(name)).size(), QSize(size, size));
    }
}

void TestIconFiles::refusals_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("said");

    QTest::newRow("unknown ending") << svg << "icon.bmp" << 32 << "ends in neither .png, .ico nor .iconset";
    QTest::newRow("no size") << svg << "icon.png" << 0 << "must be a whole number of pixels above 0";
    QTest::newRow("negative size") << svg << "icon.png" << -32 << "must be a whole number of pixels above 0";
    QTest::newRow("missing picture") << "no-such.svg"
                                     << "icon.png" << 32 << "cannot read the SVG picture";
}

void TestIconFiles::refusals()
{
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(int, size);
    QFETCH(QString, said);

    QTemporaryDir folder;
    if (source.startsWith(QLatin1String("no-such")))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot open file")));
    const QString problem = iconfiles::write(source, folder.filePath(target), size);
    QVERIFY2(problem.contains(said), qPrintable(problem));
    QVERIFY(QDir(folder.path()).isEmpty()); // nothing half-written
}

QTEST_GUILESS_MAIN(TestIconFiles)
#include "tst_iconfiles.moc"
