// The payout rule book against an expectation worked out the other way round:
// from how many reels share a tag text and where a lone pair lies.
#include "core/payout.h"

#include <QTest>

#include <algorithm>

namespace {
QString expected(const QStringList &t)
{
    QList<int> sharing; // how many reels show the same text as each reel, itself included
    for (const QString &tag : t)
        sharing << int(t.count(tag));
    const int largest = *std::max_element(sharing.begin(), sharing.end()), pairs = int(sharing.count(2)) / 2;
    return largest == 4   ? (t[0] == "0" ? "Jackpot!!! 50" : "Four Heads!! 25")
           : largest == 3 ? "Triple Strike! 10"
           : pairs == 2   ? "Double Double!! 25"
           : pairs == 1   ? (sharing[1] == 2 && t[1] == t[3] ? "Double 5" : "Double! 5")
                          : "Tough Luck! 0";
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
        const int k = int(alphabet.size());
        for (int n = 0; n < k * k * k * k; ++n) {
            const QStringList t{alphabet[n % k], alphabet[n / k % k], alphabet[n / k / k % k], alphabet[n / k / k / k]};
            const payout::Outcome o = payout::evaluate(t[0], t[1], t[2], t[3]);
            QCOMPARE(t.join(',') + ' ' + o.text + ' ' + QString::number(o.factor), t.join(',') + ' ' + expected(t));
        }
    }
};

QTEST_APPLESS_MAIN(TestPayout)
#include "tst_payout.moc"
