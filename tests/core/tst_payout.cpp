// The payout rule book against an expectation worked out the other way round:
// from how many reels share a tag text and where a lone pair lies.
#include "core/payout.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <map>

namespace {

using Tags = std::array<QString, 4>;

payout::Outcome expected(const Tags &tags)
{
    std::array<int, 4> sharing{}; // how many reels show the same text as reel i, itself included
    for (int i = 0; i < 4; ++i)
        sharing[i] = int(std::count(tags.begin(), tags.end(), tags[i]));
    const int largest = *std::max_element(sharing.begin(), sharing.end());
    const int pairs = int(std::count(sharing.begin(), sharing.end(), 2)) / 2;
    if (largest == 4)
        return tags[0] == QLatin1String("0") ? payout::Outcome{"Jackpot!!!", 50} : payout::Outcome{"Four Heads!!", 25};
    if (largest == 3)
        return {"Triple Strike!", 10};
    if (pairs == 2)
        return {"Double Double!!", 25};
    if (pairs == 1)
        return sharing[1] == 2 && tags[1] == tags[3] ? payout::Outcome{"Double", 5} : payout::Outcome{"Double!", 5};
    return {"Tough Luck!", 0};
}

QString describe(const Tags &tags, const payout::Outcome &outcome)
{
    return '"' + QStringList(tags.begin(), tags.end()).join("\" \"") + "\" -> " + outcome.text + " x"
           + QString::number(outcome.factor);
}

// Every arrangement of four texts from the alphabet, each checked against the expectation.
std::map<QString, int> checkAll(const QStringList &alphabet)
{
    std::map<QString, int> named;
    for (const QString &a : alphabet)
        for (const QString &b : alphabet)
            for (const QString &c : alphabet)
                for (const QString &d : alphabet) {
                    const Tags tags{a, b, c, d};
                    const payout::Outcome outcome = payout::evaluate(a, b, c, d);
                    if (describe(tags, outcome) != describe(tags, expected(tags)))
                        named["wrong: " + describe(tags, outcome)]++;
                    ++named[outcome.text];
                }
    return named;
}

} // namespace

class PayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFaceCombination()
    {
        // Counted by hand: choices of faces times placements on the reels; they add up to 256.
        const std::map<QString, int> counts{{"Jackpot!!!", 1},
                                            {"Four Heads!!", 3},
                                            {"Triple Strike!", 4 * 4 * 3},
                                            {"Double Double!!", 3 * 4 * 3},
                                            {"Double", 4 * 3 * 2},
                                            {"Double!", 5 * 4 * 3 * 2},
                                            {"Tough Luck!", 4 * 3 * 2}};
        QCOMPARE(checkAll({"0", "1", "2", "3"}), counts);
    }

    void tagsAreComparedAsTexts()
    {
        // Texts that look alike are not the same: only "0" itself is the jackpot face.
        const std::map<QString, int> named = checkAll({"0", "", "00", " 0", "o"});
        QVERIFY(std::none_of(named.begin(), named.end(), [](const auto &n) { return n.first.startsWith("wrong"); }));
        QCOMPARE(named.at("Jackpot!!!"), 1);
        QCOMPARE(named.at("Four Heads!!"), 4);
    }
};

QTEST_APPLESS_MAIN(PayoutTest)
#include "tst_payout.moc"
