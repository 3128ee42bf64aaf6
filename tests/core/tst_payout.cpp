// The payout rule book against an expectation worked out the other way round:
// from how many reels share a tag text and where a lone pair lies.
#include "core/payout.h"

#include <QTest>

#include <algorithm>
#include <array>

namespace {
using Tags = std::array<QString, 4>;

QString expected(const Tags &t)
{
    std::array<int, 4> sharing{}; // how many reels show the same text as reel i, itself included
    for (int i = 0; i < 4; ++i)
        sharing[i] = int(std::count(t.begin(), t.end(), t[i]));
    const int largest = *std::max_element(sharing.begin(), sharing.end());
    const auto pairs = std::count(sharing.begin(), sharing.end(), 2) / 2;
    if (largest == 4)
        return t[0] == "0" ? "Jackpot!!! 50" : "Four Heads!! 25";
    if (largest == 3)
        return "Triple Strike! 10";
    if (pairs == 2)
        return "Double Double!! 25";
    if (pairs == 1)
        return sharing[1] == 2 && t[1] == t[3] ? "Double 5" : "Double! 5";
    return "Tough Luck! 0";
}
} // namespace

class TestPayout : public QObject
{
    Q_OBJECT

private slots:
    void everyCombination_data()
    {
        QTest::addColumn<QStringList>("alphabet");
        QTest::newRow("the four faces") << QStringList{"0", "1", "2", "3"};
        // Texts that look alike are not the same: only "0" itself is the jackpot face.
        QTest::newRow("look-alikes") << QStringList{"0", "", "00", " 0", "o"};
    }
    void everyCombination()
    {
        QFETCH(QStringList, alphabet);
        for (const QString &a : alphabet)
            for (const QString &b : alphabet)
                for (const QString &c : alphabet)
                    for (const QString &d : alphabet) {
                        const payout::Outcome o = payout::evaluate(a, b, c, d);
                        QCOMPARE(QStringList({a, b, c, d, o.text + ' ' + QString::number(o.factor)}).join(','),
                                 QStringList({a, b, c, d, expected({a, b, c, d})}).join(','));
                    }
    }
};

QTEST_APPLESS_MAIN(TestPayout)
#include "tst_payout.moc"
