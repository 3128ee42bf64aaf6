// The Debian package as cpack built it into the scratch folder, and as it
// unpacked there: its files, its control fields, the agreement of its desktop
// entry, icons and metainfo, and the program starting from it.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString scratch = QStringLiteral(FACEREEL_SCRATCH);
const QString root = scratch + QStringLiteral("/root");
const QString appId = QStringLiteral("org.facereel.Facereel");

struct Shipped {
    const char *what;
    const char *path;
    const char *mode;
};

// Every file the package holds, nothing more.
constexpr Shipped shipped[] = {
    {"program", "./usr/games/facereel", "-rwxr-xr-x"},
    {"desktop entry", "./usr/share/applications/org.facereel.Facereel.desktop", "-rw-r--r--"},
    {"32 x 32 icon", "./usr/share/icons/hicolor/32x32/apps/org.facereel.Facereel.png", "-rw-r--r--"},
    {"scalable icon", "./usr/share/icons/hicolor/scalable/apps/org.facereel.Facereel.svg", "-rw-r--r--"},
    {"metainfo", "./usr/share/metainfo/org.facereel.Facereel.metainfo.xml", "-rw-r--r--"},
    {"copyright", "./usr/share/doc/facereel/copyright", "-rw-r--r--"},
    {"changelog", "./usr/share/doc/facereel/changelog.gz", "-rw-r--r--"},
    {"manual page", "./usr/share/man/man6/facereel.6.gz", "-rw-r--r--"},
};

QString package()
{
    const QStringList debs = QDir(scratch).entryList({QStringLiteral("*.deb")}, QDir::Files);
    return debs.size() == 1 ? QDir(scratch).filePath(debs.first()) : QString();
}

// What dpkg-deb says about the package; empty when it fails.
QString dpkgDeb(const QString &action, const QStringList &more = {})
{
    QProcess dpkg;
    dpkg.start(QStringLiteral("dpkg-deb"), QStringList{action, package()} + more);
    if (!dpkg.waitForFinished(30000) || dpkg.exitStatus() != QProcess::NormalExit || dpkg.exitCode() != 0)
        return {};
    return QString::fromUtf8(dpkg.readAllStandardOutput()).trimmed();
}

// Path to "mode owner" for each entry of the package's file list.
QMap<QString, QString> fileList()
{
    QMap<QString, QString> files;
    const QStringList lines = dpkgDeb(QStringLiteral("--contents")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines) {
        const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() >= 6)
            files.insert(parts.last(), parts[0] + QLatin1Char(' ') + parts[1]);
    }
    return files;
}

// The value of a key in the desktop entry's main group.
QString desktopKey(const QString &key)
{
    QFile file(root + QStringLiteral("/usr/share/applications/%1.desktop").arg(appId));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(key + QLatin1Char('=')))
            return line.mid(key.size() + 1);
    }
    return {};
}

// Element path ("component/id") to text, and "release@version" style attributes.
QMultiMap<QString, QString> metainfo()
{
    QMultiMap<QString, QString> found;
    QFile file(root + QStringLiteral("/usr/share/metainfo/%1.metainfo.xml").arg(appId));
    if (!file.open(QIODevice::ReadOnly))
        return found;
    QXmlStreamReader xml(&file);
    QStringList path;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            path.append(xml.name().toString());
            for (const QXmlStreamAttribute &attribute : xml.attributes())
                found.insert(path.join(QLatin1Char('/')) + QLatin1Char('@') + attribute.name().toString(),
                             attribute.value().toString());
        } else if (xml.isEndElement()) {
            path.removeLast();
        } else if (xml.isCharacters() && !xml.isWhitespace()) {
            found.insert(path.join(QLatin1Char('/')), xml.text().toString().trimmed());
        }
    }
    return xml.hasError() ? QMultiMap<QString, QString>{} : found;
}

} // namespace

class TestPackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void files_data();
    void files();
    void nothingElse();
    void fields_data();
    void fields();
    void desktopEntry();
    void icons();
    void metainfoAgrees();
    void notTiedToTheBuild();
    void startsFromThePackage();
};

void TestPackage::initTestCase()
{
    QVERIFY2(!package().isEmpty(), qPrintable(QStringLiteral("no single .deb in ") + scratch));
    QVERIFY2(QDir(root).exists(), qPrintable(QStringLiteral("the package is not unpacked in ") + root));
}

void TestPackage::files_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("mode");
    for (const Shipped &file : shipped)
        QTest::newRow(file.what) << QString::fromLatin1(file.path) << QString::fromLatin1(file.mode);
}

void TestPackage::files()
{
    QFETCH(QString, path);
    QFETCH(QString, mode);

    const QMap<QString, QString> list = fileList();
    QVERIFY2(list.contains(path), qPrintable(QStringList(list.keys()).join(QLatin1Char('\n'))));
    QCOMPARE(list.value(path), mode + QStringLiteral(" root/root"));
}

void TestPackage::nothingElse()
{
    QStringList wanted;
    for (const Shipped &file : shipped)
        wanted.append(QString::fromLatin1(file.path));
    wanted.sort();
    QStringList regular;
    const QMap<QString, QString> list = fileList(); // sorted by path
    for (auto entry = list.begin(); entry != list.end(); ++entry) {
        QVERIFY2(entry.key() == u"./" || entry.key().startsWith(QLatin1String("./usr/")), qPrintable(entry.key()));
        if (!entry.value().startsWith(QLatin1Char('d')))
            regular.append(entry.key());
    }
    QCOMPARE(regular, wanted);
}

void TestPackage::fields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pattern");

    const QString hasPackage = QStringLiteral("(^|, )%1( \\(|,|$)");
    QTest::newRow("name") << "Package"
                          << "^facereel$";
    QTest::newRow("version") << "Version"
                             << "^" + QRegularExpression::escape(QStringLiteral(FACEREEL_VERSION)) + "$";
    QTest::newRow("computed: C library") << "Depends" << hasPackage.arg("libc6");
    QTest::newRow("computed: C++ library") << "Depends" << hasPackage.arg("libstdc\\+\\+6");
    QTest::newRow("computed: Qt widgets") << "Depends" << hasPackage.arg("libqt6widgets6");
    QTest::newRow("computed: Qt SVG") << "Depends" << hasPackage.arg("libqt6svg6");
    QTest::newRow("script font") << "Recommends"
                                 << "^fonts-urw-base35$";
    QTest::newRow("maintainer") << "Maintainer"
                                << "^The Facereel developers <[^@<> ]+@[^@<> ]+>$";
    QTest::newRow("section") << "Section"
                             << "^games$";
    QTest::newRow("summary and description") << "Description"
                                             << "^four-reel slot machine of faces\\n .{20,}";
    QTest::newRow("home page") << "Homepage"
                               << "^https://\\S+$";
}

void TestPackage::fields()
{
    QFETCH(QString, field);
    QFETCH(QString, pattern);

    const QString value = dpkgDeb(QStringLiteral("--field"), {field});
    QVERIFY2(QRegularExpression(pattern).match(value).hasMatch(), qPrintable(field + QStringLiteral(": ") + value));
}

void TestPackage::desktopEntry()
{
    // Started by name from the path, as the menu does, without arguments.
    const QString exec = desktopKey(QStringLiteral("Exec"));
    QCOMPARE(exec, QStringLiteral("facereel"));
    const QFileInfo program(root + QStringLiteral("/usr/games/") + exec);
    QVERIFY(program.isFile() && program.isExecutable());
    QCOMPARE(desktopKey(QStringLiteral("Icon")), appId);
    QVERIFY(desktopKey(QStringLiteral("Categories")).split(QLatin1Char(';')).contains(QStringLiteral("Game")));
    QCOMPARE(desktopKey(QStringLiteral("Name")), QStringLiteral("Facereel"));
    QVERIFY(!desktopKey(QStringLiteral("Comment")).isEmpty());
}

void TestPackage::icons()
{
    const QString themed = root + QStringLiteral("/usr/share/icons/hicolor/");
    const QImage small(themed + QStringLiteral("32x32/apps/%1.png").arg(appId));
    QCOMPARE(small.size(), QSize(32, 32));
    QVERIFY(small.hasAlphaChannel());
    QCOMPARE(qAlpha(small.pixel(0, 0)), 0); // the tile's rounded corner
    QSvgRenderer scalable(themed + QStringLiteral("scalable/apps/%1.svg").arg(appId));
    QVERIFY(scalable.isValid());
    QCOMPARE(scalable.defaultSize(), QSize(32, 32));
}

void TestPackage::metainfoAgrees()
{
    const QMultiMap<QString, QString> found = metainfo();
    QVERIFY2(!found.isEmpty(), "the metainfo is missing or not well-formed");
    QCOMPARE(found.value(QStringLiteral("component/id")), appId);
    QCOMPARE(found.value(QStringLiteral("component/launchable")), appId + QStringLiteral(".desktop"));
    QCOMPARE(found.value(QStringLiteral("component/provides/binary")), desktopKey(QStringLiteral("Exec")));
    QCOMPARE(found.value(QStringLiteral("component/name")), desktopKey(QStringLiteral("Name")));
    // The same summary; Debian's without an article.
    const QString synopsis = dpkgDeb(QStringLiteral("--field"), {"Description"}).section(QLatin1Char('\n'), 0, 0);
    QCOMPARE(found.value(QStringLiteral("component/summary")).section(QLatin1Char(' '), 1), synopsis);
    QCOMPARE(found.values(QStringLiteral("component/releases/release@version")).value(0),
             dpkgDeb(QStringLiteral("--field"), {"Version"}));
    QVERIFY(
        found.value(QStringLiteral("component/screenshots/screenshot/image")).startsWith(QLatin1String("https://")));
}

void TestPackage::notTiedToTheBuild()
{
    // No run path or debugging record leads back into this build tree.
    QFile program(root + QStringLiteral("/usr/games/facereel"));
    QVERIFY(program.open(QIODevice::ReadOnly));
    QVERIFY(!program.readAll().contains(QByteArrayLiteral(FACEREEL_BUILD)));
}

void TestPackage::startsFromThePackage()
{
    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    game.setProcessEnvironment(environment);
    game.setProgram(root + QStringLiteral("/usr/games/facereel"));
    game.start();
    QVERIFY2(game.waitForStarted(10000), qPrintable(game.errorString()));
    // Still up two seconds on: it built and showed its window and waits for the player.
    const bool ended = game.waitForFinished(2000);
    QVERIFY2(!ended, qPrintable(QStringLiteral("ended with %1: %2")
                                    .arg(game.exitCode())
                                    .arg(QString::fromLocal8Bit(game.readAllStandardError()))));
    game.kill();
    game.waitForFinished(10000);
}

QTEST_GUILESS_MAIN(TestPackage)
#include "tst_package.moc"
