// The window as a player meets it: the start, the keyboard and real clicks.
#include "game.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

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
        QCOMPARE(g.w.windowTitle() + QString::number(g.w.Cheat) + g.p.boxes.join(""), "Facereel0");
        QList<QWidget *> order{QApplication::focusWidget()}; // Bet, Controller, then Secret only while shown
        for (int i = 0; i < 4; ++i) {
            g.w.Secret->setVisible(i >= 2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget();
        }
        QCOMPARE(order, QList<QWidget *>({g.w.Bet, g.w.Controller, g.w.Bet, g.w.Controller, g.w.Secret}));
        g.w.Bet->setFocus(); // Enter and Escape press nothing; Alt+S presses the button
        QTest::keyClick(g.w.Bet, Qt::Key_Return);
        QTest::keyClick(g.w.Bet, Qt::Key_Escape);
        QVERIFY(g.p.boxes.isEmpty());
        QTest::keyClick(g.w.windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(g.p.boxes, QStringList{"Bet something greedy!|0|Stop!"});
    }

    void realClicks_data()
    {
        QTest::addColumn<QStringList>("clicks"); // "2x" before a name: a double click
        QTest::addColumn<QString>("seen");       // money|cheat|boxes
        QTest::newRow("money") << QStringList(10, "2x Money") << "1000|0|1";
        QTest::newRow("winnings") << QStringList{"2x Winnings", "2x Winnings", "Output(1)",  "Output(1)",
                                                 "Output(3)",   "Output(1)",   "2x Winnings"}
                                  << "1100|0|0";
        QTest::newRow("pictures") << QStringList{"Output(1)", "2x Output(3)", "2x Output(3)", "2x Output(3)",
                                                 "Output(1)", "Output(2)",    "Output(1)",    "2x Output(0)"}
                                  << "1000|-1|1";
        QTest::newRow("secret") << QStringList{"Output(1)", "Output(3)", "Output(3)", "Output(3)", "Output(1)",
                                               "Output(2)", "Output(1)", "Output(0)", "Secret"}
                                << "1000|0|1";
    }
    void realClicks()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, seen);
        Game g;
        g.w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.w));
        for (const QString &click : clicks) { // as the window system sends them: press, release, press, release
            const QWidget *target = g.w.findChild<QWidget *>(click.section(' ', -1));
            const QPoint at = target->mapTo(&g.w, target->rect().center());
            QTest::mouseEvent(click.startsWith("2x") ? QTest::MouseDClick : QTest::MouseClick, g.w.windowHandle(),
                              Qt::LeftButton, {}, at);
        }
        QCOMPARE(QStringLiteral("%1|%2|%3").arg(g.w.Money->text()).arg(g.w.Cheat).arg(g.p.boxes.size()), seen);
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
