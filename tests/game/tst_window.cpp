// The window as a player meets it: the start, the keyboard and real clicks.
#include "game.h"

#include <QApplication>
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
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
