// The Debian package as cpack built it into the scratch folder and as it
// unpacked there, never installed; and the icon files the build's icon tool
// writes, read back.
#include "iconfiles.h"

#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString scratch = QStringLiteral(FACEREEL_SCRATCH);
const QString root = scratch + QStringLiteral("/root");
const QString svg = QStringLiteral(FACEREEL_ICON_SVG);

// Every file the package holds, nothing more: no build tool or stray file ships.
const QStringList shipped{"/usr/games/facereel",
                          "/usr/share/applications/org.facereel.Facereel.desktop",
                          "/usr/share/doc/facereel/changelog.gz",
                          "/usr/share/doc/facereel/copyright",
                          "/usr/share/icons/hicolor/32x32/apps/org.facereel.Facereel.png",
                          "/usr/share/icons/hicolor/scalable/apps/org.facereel.Facereel.svg",
                          "/usr/share/man/man6/facereel.6.gz",
                          "/usr/share/metainfo/org.facereel.Facereel.metainfo.xml"};

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void files()
    {
        QStringList files;
        for (QDirIterator each(root, QDir::Files, QDirIterator::Subdirectories); each.hasNext();)
            files << each.next().mid(root.size());
        files.sort();
        QVERIFY2(files == shipped, qPrintable(files.join(u'\n')));
    }

    // What the menu, the software centres and dpkg read agrees with what is shipped.
    void filesAgree_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("says");
        const QString desktop = QStringLiteral("/root/usr/share/applications/org.facereel.Facereel.desktop");
        const QString metainfo = QStringLiteral("/root/usr/share/metainfo/org.facereel.Facereel.metainfo.xml");
        const QString control = QStringLiteral("/control/control"); // dependencies found by dpkg-shlibdeps
        QTest::newRow("menu: program") << desktop << "\nExec=facereel\n";
        QTest::newRow("menu: icon") << desktop << "\nIcon=org.facereel.Facereel\n";
        QTest::newRow("metainfo: menu entry") << metainfo << ">org.facereel.Facereel.desktop</launchable>";
        QTest::newRow("metainfo: program") << metainfo << "<binary>facereel</binary>";
        QTest::newRow("metainfo: this release") << metainfo << "<release version=\"" FACEREEL_VERSION "\"";
        QTest::newRow("needs Qt widgets") << control << " libqt6widgets6 (";
        QTest::newRow("needs Qt SVG") << control << " libqt6svg6 (";
    }

    void filesAgree()
    {
        QFETCH(QString, file);
        QFETCH(QString, says);
        QFile text(scratch + file);
        QVERIFY2(text.open(QIODevice::ReadOnly) && QString::fromUtf8(text.readAll()).contains(says), qPrintable(says));
    }

    void iconFiles_data()
    {
        QTest::addColumn<QString>("file"); // relative: written here, as Windows and macOS builds do
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("theme's PNG, shipped")
            << root + "/usr/share/icons/hicolor/32x32/apps/org.facereel.Facereel.png" << QList<int>{32};
        QTest::newRow(".ico") << "facereel.ico" << QList<int>{16, 24, 32, 48, 64, 256};
        // In file name order: icon_128x128.png, icon_128x128@2x.png, icon_16x16.png, ...
        QTest::newRow(".iconset") << "facereel.iconset" << QList<int>{128, 256, 16, 32, 256, 512, 32, 64, 512, 1024};
    }

    void iconFiles()
    {
        QFETCH(QString, file);
        QFETCH(QList<int>, sizes);
        QTemporaryDir folder;
        if (QDir::isRelativePath(file)) {
            file = folder.filePath(file);
            QCOMPARE(iconfiles::write(svg, file, 0), QString());
        }
        QList<int> read;
        const QDir set(file);
        for (const QString &name : set.exists() ? set.entryList(QDir::Files) : QStringList{file}) {
            QImageReader reader(set.filePath(name));
            do {
                QImage picture = reader.read().convertToFormat(QImage::Format_ARGB32);
                picture.setDevicePixelRatio(1); // not the double density that "@2x" names
                QCOMPARE(picture, iconfiles::render(svg, picture.width()));
                QCOMPARE(qAlpha(picture.pixel(0, 0)), 0); // the tile's rounded corner
                read << picture.width();
            } while (reader.jumpToNextImage());
        }
        QCOMPARE(read, sizes);
    }

    void program()
    {
        // Stripped: no debugging record or run path leads back into this build tree.
        QFile program(root + QStringLiteral("/usr/games/facereel"));
        QVERIFY(program.open(QIODevice::ReadOnly) && !program.readAll().contains(QByteArrayLiteral(FACEREEL_BUILD)));
        // Started offscreen, still up two seconds on: it built its window and waits for the player.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QProcess game;
        game.start(program.fileName());
        QVERIFY2(game.waitForStarted(10000), qPrintable(game.errorString()));
        QVERIFY2(!game.waitForFinished(2000), qPrintable(QString::fromLocal8Bit(game.readAllStandardError())));
        game.kill();
        game.waitForFinished(10000);
    }
};

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
