// What a screen reader hears after a stop: one line on an object of the
// notification role, carrying the texts as the window shows them.
#include "formstate.h"
#include "window/announcer.h"

#include <QAccessible>
#include <QTest>

class TestSpeech : public QObject
{
    Q_OBJECT

private slots:
    void stopTellsTheRound_data()
    {
        QTest::addColumn<QString>("bet"); // with a comma in a decimal-comma format
        QTest::addColumn<QList<int>>("faces");
        QTest::addColumn<QString>("line");
        QTest::newRow("decimal comma") << "0,1" << QList{1, 3, 2, 3} << "Double Winnings 0,5. Money 1000,4.";
        // Told before the bankruptcy box: the money is still the round's.
        QTest::newRow("bust") << "1000" << QList{3, 0, 1, 2} << "Tough Luck! Winnings 0. Money 0.";
    }
    void stopTellsTheRound()
    {
        QFETCH(QString, bet);
        QFETCH(QList<int>, faces);
        QFETCH(QString, line);
        Game g(bet.contains(u',') ? amounts::NumberFormat{u',', u'.'} : amounts::NumberFormat{});
        g.p.answers = {msgbox::Yes};
        g.round(bet, {faces[0], faces[1], faces[2], faces[3]});
        const QAccessibleInterface *said = QAccessible::queryAccessibleInterface(g.w.findChild<Announcer *>());
        QCOMPARE(std::pair(said->role(), said->text(QAccessible::Name)), std::pair(QAccessible::Notification, line));
    }
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
