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

payout::Outcome evaluate(const Tags &tags)
{
    return payout::evaluate(tags[0], tags[1], tags[2], tags[3]);
}

QString describe(const Tags &tags, const payout::Outcome &outcome)
{
    QStringList quoted;
    for (const QString &tag : tags)
        quoted << '"' + tag + '"';
    return quoted.join(' ') + " -> " + outcome.text + " x" + QString::number(outcome.factor);
}

Tags faces(int combination)
{
    Tags tags;
    for (int reel = 0; reel < 4; ++reel)
        tags[reel] = QString::number((combination >> (2 * reel)) & 3);
    return tags;
}

} // namespace

class PayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void everyFaceCombination();
    void combinationsPerOutcome_data();
    void combinationsPerOutcome();
    void namedCombinations_data();
    void namedCombinations();
    void tagsAreComparedAsTexts_data();
    void tagsAreComparedAsTexts();
    void oddTagAlphabet();
};

void PayoutTest::everyFaceCombination()
{
    for (int combination = 0; combination < 256; ++combination) {
        const Tags tags = faces(combination);
        QCOMPARE(describe(tags, evaluate(tags)), describe(tags, expected(tags)));
    }
}

void PayoutTest::combinationsPerOutcome_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("combinations");

    // Counted by hand: choices of faces times placements on the reels; the rows add up to 256.
    QTest::newRow("jackpot") << "Jackpot!!!" << 50 << 1;
    QTest::newRow("four heads") << "Four Heads!!" << 25 << 3;
    QTest::newRow("triple strike") << "Triple Strike!" << 10 << 4 * 4 * 3;
    QTest::newRow("double double") << "Double Double!!" << 25 << 3 * 4 * 3;
    QTest::newRow("pair on reels 1 and 3") << "Double" << 5 << 4 * 3 * 2;
    QTest::newRow("any other lone pair") << "Double!" << 5 << 5 * 4 * 3 * 2;
    QTest::newRow("tough luck") << "Tough Luck!" << 0 << 4 * 3 * 2 * 1;
}

void PayoutTest::combinationsPerOutcome()
{
    QFETCH(QString, text);
    QFETCH(int, factor);
    QFETCH(int, combinations);

    int seen = 0;
    for (int combination = 0; combination < 256; ++combination) {
        const payout::Outcome outcome = evaluate(faces(combination));
        if (outcome.text == text) {
            QCOMPARE(outcome.factor, factor);
            ++seen;
        }
    }
    QCOMPARE(seen, combinations);
}

void PayoutTest::namedCombinations_data()
{
    QTest::addColumn<int>("f0");
    QTest::addColumn<int>("f1");
    QTest::addColumn<int>("f2");
    QTest::addColumn<int>("f3");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("factor");

    QTest::newRow("pair on 1 and 3, no '!'") << 3 << 1 << 2 << 1 << "Double" << 5;
    QTest::newRow("pair on 2 and 3") << 2 << 0 << 1 << 1 << "Double!" << 5;
    QTest::newRow("pair on 0 and 1") << 1 << 1 << 0 << 2 << "Double!" << 5;
    QTest::newRow("pair on 0 and 2") << 1 << 0 << 1 << 2 << "Double!" << 5;
    QTest::newRow("pair on 0 and 3") << 1 << 0 << 2 << 1 << "Double!" << 5;
    QTest::newRow("pair on 1 and 2") << 0 << 3 << 3 << 1 << "Double!" << 5;
    QTest::newRow("two pairs, crossed") << 3 << 0 << 3 << 0 << "Double Double!!" << 25;
    QTest::newRow("two pairs, side by side") << 2 << 2 << 1 << 1 << "Double Double!!" << 25;
    QTest::newRow("two pairs, nested") << 0 << 3 << 3 << 0 << "Double Double!!" << 25;
    QTest::newRow("triple on 0, 1, 3") << 1 << 1 << 3 << 1 << "Triple Strike!" << 10;
    QTest::newRow("triple on 1, 2, 3") << 0 << 2 << 2 << 2 << "Triple Strike!" << 10;
    QTest::newRow("four heads") << 2 << 2 << 2 << 2 << "Four Heads!!" << 25;
    QTest::newRow("jackpot") << 0 << 0 << 0 << 0 << "Jackpot!!!" << 50;
    QTest::newRow("all different") << 3 << 0 << 1 << 2 << "Tough Luck!" << 0;
}

void PayoutTest::namedCombinations()
{
    QFETCH(int, f0);
    QFETCH(int, f1);
    QFETCH(int, f2);
    QFETCH(int, f3);
    QFETCH(QString, text);
    QFETCH(int, factor);

    const payout::Outcome outcome =
        evaluate({QString::number(f0), QString::number(f1), QString::number(f2), QString::number(f3)});
    QCOMPARE(outcome.text, text);
    QCOMPARE(outcome.factor, factor);
}

void PayoutTest::tagsAreComparedAsTexts_data()
{
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("text");

    QTest::newRow("four empty tags") << QStringList{"", "", "", ""} << "Four Heads!!";
    QTest::newRow("\"00\" is not \"0\"") << QStringList{"00", "00", "00", "00"} << "Four Heads!!";
    QTest::newRow("\"0 \" is not \"0\"") << QStringList{"0 ", "0 ", "0 ", "0 "} << "Four Heads!!";
    QTest::newRow("letter O is not zero") << QStringList{"O", "O", "O", "O"} << "Four Heads!!";
    QTest::newRow("leading blank breaks the jackpot") << QStringList{"0", "0", "0", " 0"} << "Triple Strike!";
    QTest::newRow("\"00\" breaks the jackpot") << QStringList{"00", "0", "0", "0"} << "Triple Strike!";
    QTest::newRow("case matters") << QStringList{"a", "A", "a", "b"} << "Double!";
    QTest::newRow("words, pair on 1 and 3") << QStringList{"x", "face", "", "face"} << "Double";
    QTest::newRow("empty tags pair up") << QStringList{"", "0", "", "0"} << "Double Double!!";
    QTest::newRow("nothing alike") << QStringList{"0", "00", " 0", ""} << "Tough Luck!";
}

void PayoutTest::tagsAreComparedAsTexts()
{
    QFETCH(QStringList, tags);
    QFETCH(QString, text);

    QCOMPARE(evaluate({tags[0], tags[1], tags[2], tags[3]}).text, text);
}

// Every arrangement of texts that look alike but are not the same text.
void PayoutTest::oddTagAlphabet()
{
    const QStringList alphabet{"0", "", "00", " 0", "o"};
    std::map<QString, int> named;
    for (const QString &a : alphabet)
        for (const QString &b : alphabet)
            for (const QString &c : alphabet)
                for (const QString &d : alphabet) {
                    const Tags tags{a, b, c, d};
                    const payout::Outcome outcome = evaluate(tags);
                    QCOMPARE(describe(tags, outcome), describe(tags, expected(tags)));
                    ++named[outcome.text];
                }
    QCOMPARE(named["Jackpot!!!"], 1);
    QCOMPARE(named["Four Heads!!"], 4);
}

QTEST_APPLESS_MAIN(PayoutTest)

#include "tst_payout.moc"
