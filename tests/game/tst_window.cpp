// The window as a player meets it: the start, the keyboard, real mouse clicks
// and double clicks, a round on the real timers, and the real message boxes.
#include "controls/imagelist.h"
#include "game.h"
#include "window/design.h"
#include "window/desktopplatform.h"

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTest>

namespace {
const bool OnWindows = QSysInfo::productType() == "windows"; // Wine too
// Where a control stands, in the window's own pixels (the design's at 100 %), and how it reads at start.
struct Look {
    QRect place;  // an empty size: sized to its text
    QString face; // the kind: the window's sans-serif, or the comment's script
    qreal points;
    bool italic;
    Qt::Alignment align; // horizontal; none where the toolkit may choose
    bool visible = true;
};
QRect twips(int left, int top, int width, int height)
{
    using design::pixels;
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}
struct Clicks {
    QString
        clicks;   // M Money, W Winnings, S Secret, C Spin/Stop, 0..3 a picture, doubled (MM) a double click; $B types B
    QString seen; // money|cheat|boxes
};
} // namespace
Q_DECLARE_METATYPE(Look)
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
        QVERIFY(g.w.minimumSize() == g.w.maximumSize()); // and the player cannot resize it
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

    void keepsItsDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Look>("look");
        for (const design::Control &c : design::controls) {
            const bool script = c.look == design::Look::Script,
                       sized = c.look == design::Look::Caption || c.look == design::Look::Yen;
            const QRect place = twips(c.left, c.top, sized ? 0 : c.width, sized ? 0 : c.height);
            const Qt::Alignment align = c.look == design::Look::Amount ? Qt::AlignRight
                                        : script                       ? Qt::AlignHCenter
                                                                       : Qt::Alignment();
            const auto name = QString::fromUtf8(c.name.data(), qsizetype(c.name.size()))
                              + (c.index < 0 ? QString() : QStringLiteral("(%1)").arg(c.index));
            QTest::newRow(qPrintable(name))
                << name
                << Look{place, script ? "script" : "sans-serif", script ? 27.75 : 8.0, script, align, c.visible};
        }
        // The numbers a player would miss first, written out once more.
        QTest::newRow("leftmost reel, written out")
            << "Output(0)" << Look{twips(480, 840, 1095, 1095), "sans-serif", 8, false, {}};
        QTest::newRow("rightmost reel, written out")
            << "Output(3)" << Look{twips(4440, 840, 1095, 1095), "sans-serif", 8, false, {}};
        QTest::newRow("comment, written out")
            << "Comment" << Look{twips(480, 3480, 5055, 735), "script", 27.75, true, Qt::AlignHCenter};
        QTest::newRow("Spin, written out")
            << "Controller" << Look{twips(3840, 2400, 1695, 495), "sans-serif", 8, false, {}};
        QTest::newRow("window, where it starts") // the client area, on the screen
            << "Form1" << Look{twips(2700, 2070, 6000, 4500), "sans-serif", 8, false, {}};
    }
    void keepsItsDesign()
    {
        QFETCH(QString, name);
        QFETCH(Look, look);
        Game g;
        g.w.show();
        const auto *w = name == g.w.objectName() ? &g.w : g.w.findChild<QWidget *>(name);
        QVERIFY(w);
        const QRect place = look.place.isEmpty() ? QRect(look.place.topLeft(), w->sizeHint()) : look.place;
        QCOMPARE(w->geometry(), place);
        for (const QWidget *other : g.w.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) // no two overlap
            QVERIFY2(w == &g.w || other == w || !other->geometry().intersects(w->geometry()),
                     qPrintable(other->objectName()));
        // Windows has Arial for the sans-serif, and the script face that the game brings.
        const QHash<QString, QString> faces{
            {"sans-serif", OnWindows ? "^(Arial|Liberation Sans)$" : "Sans\\b(?! Mono)"},
            {"script", OnWindows ? "^TeX ?Gyre ?Chorus" : "^(Z003|URW Chancery L|TeX Gyre Chorus)"}};
        const QString face = w->fontInfo().family();
        QVERIFY2(face.contains(QRegularExpression(faces[look.face])), qPrintable(face));
        QCOMPARE(w->font().pointSizeF(), look.points);
        QCOMPARE(w->font().italic(), look.italic);
        QCOMPARE(w->font().weight(), QFont::Normal);
        if (look.align)
            QCOMPARE(qobject_cast<const QLabel *>(w)->alignment() & Qt::AlignHorizontal_Mask, look.align);
        QCOMPARE(w->isVisibleTo(&g.w), look.visible);
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
