// The window as a player meets it: the start, the keyboard, real mouse clicks
// and double clicks, a round on the real timers, and the real message boxes.
#include "controls/imagelist.h"
#include "game.h"
#include "window/desktopplatform.h"

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTest>

namespace {
const bool OnWindows = QSysInfo::productType() == "windows"; // Wine too
struct Clicks {
    QString
        clicks;   // M Money, W Winnings, S Secret, C Spin/Stop, 0..3 a picture, doubled (MM) a double click; $B types B
    QString seen; // money|cheat|boxes
};
} // namespace
Q_DECLARE_METATYPE(Clicks)

class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void startAndKeys()
    {
        Game g;
        g.w.show();
        QVERIFY(QTest::qWaitForWindowActive(&g.w));
        QCOMPARE(g.state(), "1000|0||0|&Spin|+--|00000||||");
        const QImage icon = g.w.windowIcon().pixmap(32).toImage(); // with its name and icon, clear around its tile,
        QVERIFY(g.w.windowTitle() == "Facereel" && qAlpha(icon.pixel(0, 0)) == 0 && qAlpha(icon.pixel(16, 16)) == 255);
        QVERIFY(g.w.minimumSize() == g.w.maximumSize());               // and the player cannot resize it
        const QString face = QFontInfo(g.ui.Comment->font()).family(); // a script face; on Windows the game's own
        QVERIFY2(face.contains(
                     QRegularExpression(OnWindows ? "^TeX ?Gyre ?Chorus" : "^(Z003|URW Chancery L|TeX Gyre Chorus)")),
                 qPrintable(face));
        QCOMPARE(QList({g.ui.Timer4->interval(), g.ui.Timer5->interval()}), QList({50, 1000})); // reel ticks, stop wait
        QList<QWidget *> order{QApplication::focusWidget()}; // Bet, Controller, then Secret only while shown
        for (int i = 0; i < 4; ++i) {
            g.ui.Secret->setVisible(i >= 2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget();
        }
        QCOMPARE(order, QList<QWidget *>({g.ui.Bet, g.ui.Controller, g.ui.Bet, g.ui.Controller, g.ui.Secret}));
        g.ui.Bet->setFocus(); // Enter and Escape press nothing; Alt+S presses the button
        QTest::keyClick(g.ui.Bet, Qt::Key_Return);
        QTest::keyClick(g.ui.Bet, Qt::Key_Escape);
        QVERIFY(g.p.boxes.isEmpty());
        QTest::keyClick(g.w.windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(g.p.boxes, QStringList{"Bet something greedy!|0|Stop!"});
    }

    // As sharp as the screen: drawn by the build at 100 and 200 % (on Windows 150 % too), else from the SVG or,
    // on Windows, the 200 % drawing scaled.
    void picturesAtEveryScale()
    {
        for (const qreal ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            for (const auto &[name, size] :
                 {std::pair{"background", QSize(400, 300)}, {"face0", {73, 73}}, {"icon", {32, 32}}}) {
                const QString svg = QStringLiteral(":/art/%1.svg").arg(name), at = svg + QString(" at %1").arg(ratio);
                const QImage image = art::render(svg, size, ratio); // a picture, not an empty drawing
                const bool drawn = ratio == 1.0 || ratio == 2.0 || (OnWindows && ratio == 1.5);
                QVERIFY2(image.size() == art::deviceSize(size, ratio) && image.deviceIndependentSize().toSize() == size
                             && art::drawn(svg, size, ratio).isNull() != drawn
                             && image.pixelColor(image.rect().center()) != Qt::black,
                         qPrintable(at));
            }
        }
    }

    void realClicks_data()
    {
        QTest::addColumn<Clicks>("r");
        QTest::newRow("money, doubled") << Clicks{"MM MM MM MM MM MM MM MM MM MM", "1000|0|1"};
        QTest::newRow("winnings, doubled") << Clicks{"WW WW 1 1 3 1 WW", "1100|0|0"};
        QTest::newRow("pictures, doubled") << Clicks{"1 33 33 33 1 2 1 00", "1000|-1|1"};
        QTest::newRow("secret") << Clicks{"1 3 3 3 1 2 1 0 S", "1000|0|1"};
        QTest::newRow("a round on the timers") << Clicks{"$10 C C", "1490|0|0"}; // every draw is 0: a jackpot
    }
    void realClicks()
    {
        QFETCH(Clicks, r);
        Game g;
        g.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.w));
        const QHash<QChar, QString> names{{'M', "Money"}, {'W', "Winnings"}, {'S', "Secret"}, {'C', "Controller"}};
        for (const QString &click : r.clicks.split(' ')) { // as the window system sends them: press, release, ...
            if (click.startsWith('$')) {
                QTest::keyClicks(g.ui.Bet, click.mid(1));
                continue;
            }
            const QWidget *target =
                g.w.findChild<QWidget *>(names.value(click[0], QStringLiteral("Output(%1)").arg(click[0])));
            QTest::mouseEvent(click.size() == 2 ? QTest::MouseDClick : QTest::MouseClick, g.w.windowHandle(),
                              Qt::LeftButton, {}, target->mapTo(&g.w, target->rect().center()));
        }
        QTRY_COMPARE_WITH_TIMEOUT(QStringLiteral("%1|%2|%3").arg(g.ui.Money->text()).arg(g.cheat).arg(g.p.boxes.size()),
                                  r.seen, 5000);
    }

    void boxesWaitForAnAnswer_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("answer"); // to Escape and to the close button; 0: none, the box stays
        QTest::newRow("yes/no") << 36 << 0;
        QTest::newRow("yes/no/cancel") << 35 << msgbox::Cancel;
        QTest::newRow("ok") << 64 << msgbox::Ok;
    }
    void boxesWaitForAnAnswer()
    {
        QFETCH(int, style);
        QFETCH(int, answer);
        QWidget window;
        window.show();
        DesktopPlatform platform;
        platform.setWindow(&window);
        for (const bool escape : {true, false}) {
            QTimer::singleShot(0, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box && box->parentWidget() == &window); // over the game window
                escape ? QTest::keyClick(box, Qt::Key_Escape) : void(box->close());
                if (box->isVisible())
                    box->button(QMessageBox::Yes)->click();
            });
            QCOMPARE(platform.MsgBox("Sure?", style, "Facereel"), answer ? answer : msgbox::Yes);
        }
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
