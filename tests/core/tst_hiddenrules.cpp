// The hidden rule book, played through clicks as the window's handlers make
// them, and the rule machine itself on made-up tables.
#include "core/hiddenrules.h"

#include <QtTest>

#include <algorithm>
#include <array>
#include <set>
#include <vector>

using namespace hidden;
using enum hidden::Counter;

namespace {

enum Target { Picture0, Picture1, Picture2, Picture3, Money, Winnings, SpinStop };
using Clicks = std::vector<Target>;

const Clicks sixTargets{Picture0, Picture1, Picture2, Picture3, Money, Winnings};
const Clicks cheatCode{Picture1, Picture3, Picture3, Picture3, Picture1, Picture2, Picture1, Picture0};
const Clicks bonusCode{Winnings, Winnings, Picture1, Picture1, Picture3, Picture1, Winnings};

// One click, handled the way the window handles it.
Action click(Target target, StepCounters &counters)
{
    Action action = Action::None;
    switch (target) {
    case Money:
        action = hidden::apply(moneyRules(), counters);
        if (++counters.MoneyClicks == 10) // the message chain runs, then the count starts over
            counters.MoneyClicks = 0;
        break;
    case Winnings:
        if ((action = hidden::apply(winningsRules(), counters)) == Action::Bonus)
            counters.partialReset();
        break;
    case SpinStop: counters.fullReset(); break;
    default:
        if ((action = hidden::apply(pictureRules(target), counters)) == Action::AboutBox)
            counters.fullReset();
    }
    return action;
}

// Plays the clicks in turn; true if any of them unlocked something.
bool unlocks(const Clicks &clicks, StepCounters counters = {})
{
    return std::ranges::count_if(clicks, [&](Target t) { return click(t, counters) != Action::None; }) > 0;
}

// Fewest clicks from `start` after which `wanted` fires, searching every
// sequence up to `limit` clicks long; 0 if there is none.
int fewestClicks(const StepCounters &start, Action wanted, int limit)
{
    const auto key = [](const StepCounters &c) {
        return std::array{c.Reel0Step, c.Reel1Step, c.Reel2Step, c.Reel3Step, c.WinningsStep, c.MoneyClicks};
    };
    std::set<std::array<quint8, 6>> seen{key(start)};
    std::vector<StepCounters> frontier{start};
    for (int depth = 1; depth <= limit; ++depth) {
        std::vector<StepCounters> next;
        for (const StepCounters &state : frontier)
            for (Target target : sixTargets) {
                StepCounters after = state;
                if (click(target, after) == wanted)
                    return depth;
                if (seen.insert(key(after)).second)
                    next.push_back(after);
            }
        frontier = std::move(next);
    }
    return 0;
}

QByteArray describe(const Clicks &clicks)
{
    QByteArray text;
    for (Target t : clicks)
        text += t == Money ? 'M' : t == Winnings ? 'W' : t == SpinStop ? 'S' : char('0' + t);
    return text;
}

void addCodes()
{
    QTest::addColumn<Clicks>("code");
    QTest::addColumn<Action>("action");
    QTest::newRow("cheat") << cheatCode << Action::AboutBox;
    QTest::newRow("bonus") << bonusCode << Action::Bonus;
}

} // namespace

namespace hidden {

char *toString(const StepCounters &c)
{
    return QTest::toString(QString::asprintf("{reels %d %d %d %d, winnings %d, money %d}", c.Reel0Step, c.Reel1Step,
                                             c.Reel2Step, c.Reel3Step, c.WinningsStep, c.MoneyClicks));
}

} // namespace hidden

Q_DECLARE_METATYPE(Clicks)
Q_DECLARE_METATYPE(hidden::Action)
Q_DECLARE_METATYPE(hidden::Counter)
Q_DECLARE_METATYPE(hidden::StepCounters)
Q_DECLARE_METATYPE(std::vector<hidden::Rule>)
Q_DECLARE_METATYPE(std::span<const hidden::Rule>)

class HiddenRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void listsHaveTheirForm_data()
    {
        QTest::addColumn<std::span<const Rule>>("rules");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("catchAll");
        QTest::addColumn<int>("action");
        for (int i = 0; i < 4; ++i)
            QTest::addRow("picture %d", i)
                << pictureRules(i) << std::array{4, 7, 4, 5}[i] << int(Effect::PartialReset) << int(Effect::AboutBox);
        QTest::newRow("Winnings") << winningsRules() << 4 << int(Effect::Nothing) << int(Effect::Bonus);
    }

    void listsHaveTheirForm()
    {
        QFETCH(std::span<const Rule>, rules);
        QFETCH(int, size);
        QFETCH(int, catchAll);
        QFETCH(int, action);

        QCOMPARE(int(rules.size()), size);
        for (int i = 0; i < size; ++i) {
            const Rule &rule = rules[i];
            QCOMPARE(rule.when.kind == Condition::Always, i == size - 1); // the catch-all, and only it, stands last
            QVERIFY(rule.when.firstValue < 16 && rule.when.secondValue < 16);
            const int kind = rule.then.kind;
            if (i == size - 1)
                QCOMPARE(kind, catchAll);
            else
                QVERIFY2(kind == Effect::Set || kind == Effect::Step || kind == Effect::PartialReset || kind == action,
                         qPrintable(QString("rule %1 has effect %2").arg(i).arg(kind)));
            QVERIFY(!rule.then.thenSet || kind == Effect::Set || kind == Effect::Step);
        }
        QVERIFY(pictureRules(-1).empty() && pictureRules(4).empty());
    }

    // The first Money step may only clear MoneyClicks and one reel counter.
    void moneyRulesOnlyClear()
    {
        const std::span<const Rule> rules = moneyRules();
        const auto isReel = [](Counter c) { return c <= Reel3Step; };
        QVERIFY(!rules.empty());
        for (std::size_t i = 0; i < rules.size(); ++i) {
            const Effect &e = rules[i].then;
            QCOMPARE(rules[i].when.kind == Condition::Always, i == rules.size() - 1);
            QVERIFY(e.kind == Effect::Nothing || e.kind == Effect::Set);
            if (e.kind == Effect::Set) {
                QVERIFY(e.value == 0 && (isReel(e.counter) || e.counter == MoneyClicks));
                QVERIFY(!e.thenSet || (e.secondValue == 0 && (isReel(e.second) || e.second == MoneyClicks)));
                QVERIFY(!e.thenSet || !isReel(e.counter) || !isReel(e.second) || e.counter == e.second);
            }
        }
    }

    // A code unlocks on its last click, and again when repeated. The
    // breadth-first search, from the start and after the unlock, covers every
    // click sequence shorter than the codes: none of them unlocks anything.
    void codeUnlocksOnlyInFull_data() { addCodes(); }

    void codeUnlocksOnlyInFull()
    {
        QFETCH(Clicks, code);
        QFETCH(Action, action);

        QVERIFY(code.size() >= 6);
        QVERIFY(action == Action::Bonus ? code.back() == Winnings : code.back() <= Picture3);
        StepCounters counters;
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(fewestClicks(counters, Action::AboutBox, int(cheatCode.size())), int(cheatCode.size()));
            QCOMPARE(fewestClicks(counters, Action::Bonus, int(bonusCode.size())), int(bonusCode.size()));
            for (std::size_t i = 0; i < code.size(); ++i)
                QCOMPARE(click(code[i], counters), i + 1 == code.size() ? action : Action::None);
        }
    }

    // The code with one click left out, with one click changed for another, or
    // broken in two by a Spin/Stop click.
    void nearMissesDoNotUnlock_data() { addCodes(); }

    void nearMissesDoNotUnlock()
    {
        QFETCH(Clicks, code);
        for (std::size_t i = 0; i < code.size(); ++i) {
            Clicks shorter = code;
            shorter.erase(shorter.begin() + i);
            QVERIFY2(!unlocks(shorter), describe(shorter).constData());
            for (Target wrong : sixTargets) {
                Clicks changed = code;
                changed[i] = wrong;
                QVERIFY2(wrong == code[i] || !unlocks(changed), describe(changed).constData());
            }
            Clicks interrupted = code;
            interrupted.insert(interrupted.begin() + i + 1, SpinStop);
            QVERIFY2(i + 1 == code.size() || !unlocks(interrupted), describe(interrupted).constData());
        }
    }

    // A stray click slipped in anywhere inside a code. Money rules cannot touch
    // WinningsStep, so a Money click between the two opening Winnings clicks is
    // harmless; after the opening it breaks the bonus like any stray click.
    void aStrayClickBreaksIt_data()
    {
        QTest::addColumn<Clicks>("opening");
        QTest::addColumn<Clicks>("rest");
        QTest::addColumn<Clicks>("strays");
        const Clicks allButMoney{Picture0, Picture1, Picture2, Picture3, Winnings};
        QTest::newRow("cheat") << Clicks{} << cheatCode << sixTargets;
        QTest::newRow("bonus") << Clicks{} << bonusCode << allButMoney;
        QTest::newRow("bonus after its opening") << Clicks(bonusCode.begin(), bonusCode.begin() + 2)
                                                 << Clicks(bonusCode.begin() + 2, bonusCode.end()) << Clicks{Money};
    }

    void aStrayClickBreaksIt()
    {
        QFETCH(Clicks, opening);
        QFETCH(Clicks, rest);
        QFETCH(Clicks, strays);

        StepCounters opened;
        for (Target t : opening)
            click(t, opened);
        QVERIFY(unlocks(rest, opened));
        for (std::size_t i = 1; i < rest.size(); ++i)
            for (Target stray : strays) {
                if (i == rest.size() - 1 && stray == rest.back())
                    continue; // that is the code itself, one click early
                Clicks longer = rest;
                longer.insert(longer.begin() + i, stray);
                QVERIFY2(!unlocks(longer, opened), describe(longer).constData());
            }
    }

    void resetsTouchWhatTheyShould()
    {
        StepCounters counters;
        for (int c = 0; c < 6; ++c)
            counters[Counter(c)] = quint8(c + 1);
        QCOMPARE(counters, (StepCounters{1, 2, 3, 4, 5, 6})); // each counter names its own field
        for (int c = 0; c < 6; ++c)
            QCOMPARE(std::as_const(counters)[Counter(c)], quint8(c + 1));
        counters.partialReset();
        QCOMPARE(counters, (StepCounters{0, 0, 0, 0, 5, 6}));
        counters = {1, 2, 3, 4, 5, 6};
        counters.fullReset();
        QCOMPARE(counters, StepCounters{});
    }

    // Real clicks drive a counter to 255; the click after that changes nothing.
    void stepPast255IsDropped_data()
    {
        QTest::addColumn<Clicks>("prefix");
        QTest::addColumn<int>("target");
        QTest::addColumn<Counter>("counter");
        QTest::newRow("picture 3 counted in the cheat") << Clicks{Picture1} << int(Picture3) << Reel3Step;
        QTest::newRow("Winnings clicks with nothing under way") << Clicks{} << int(Winnings) << WinningsStep;
    }

    void stepPast255IsDropped()
    {
        QFETCH(Clicks, prefix);
        QFETCH(int, target);
        QFETCH(Counter, counter);

        StepCounters counters;
        for (Target t : prefix)
            click(t, counters);
        for (int guard = 0; counters[counter] < 255 && guard < 256; ++guard) {
            const int before = counters[counter];
            QCOMPARE(click(Target(target), counters), Action::None);
            QCOMPARE(int(counters[counter]), before + 1);
        }
        QCOMPARE(int(counters[counter]), 255);
        const StepCounters atTop = counters;
        QCOMPARE(click(Target(target), counters), Action::None);
        QCOMPARE(counters, atTop);
    }

    void interpreter_data()
    {
        QTest::addColumn<std::vector<Rule>>("rules");
        QTest::addColumn<StepCounters>("before");
        QTest::addColumn<StepCounters>("after");
        QTest::addColumn<Action>("action");
        const auto row = [](const char *name, std::vector<Rule> rules, StepCounters before, StepCounters after,
                            Action action = Action::None) {
            QTest::newRow(name) << rules << before << after << action;
        };

        const Condition any{};
        const Condition r0is0{Condition::Equals, Reel0Step, 0};
        const Condition r0is1{Condition::Equals, Reel0Step, 1};
        const Condition r0is0AndR2is5{Condition::BothEqual, Reel0Step, 0, Reel2Step, 5};
        const Effect r1to1{Effect::Set, Reel1Step, 1};
        const Effect r1to2{Effect::Set, Reel1Step, 2};
        const Effect r1to3ThenW9{Effect::Set, Reel1Step, 3, true, WinningsStep, 9};
        const Effect stepR2ThenM0{Effect::Step, Reel2Step, 0, true, MoneyClicks, 0};
        const StepCounters mixed{1, 2, 3, 4, 5, 6};

        row("first match wins", {{r0is0, r1to1}, {any, r1to2}}, {}, {0, 1});
        row("a rule that does not hold is passed over", {{r0is1, r1to1}, {any, r1to2}}, {}, {0, 2});
        row("both tests must hold", {{r0is0AndR2is5, r1to1}, {any, r1to2}}, {0, 0, 4}, {0, 2, 4});
        row("both tests hold", {{r0is0AndR2is5, r1to1}, {any, r1to2}}, {0, 0, 5}, {0, 1, 5});
        row("set, then set", {{any, r1to3ThenW9}}, {}, {0, 3, 0, 0, 9});
        row("step, then set", {{any, stepR2ThenM0}}, {0, 0, 7, 0, 0, 4}, {0, 0, 8});
        row("step past 255 is dropped whole", {{any, stepR2ThenM0}}, {0, 0, 255, 0, 0, 4}, {0, 0, 255, 0, 0, 4});
        row("no later rule after a dropped step", {{r0is0, stepR2ThenM0}, {any, r1to1}}, {0, 0, 255}, {0, 0, 255});
        row("partial reset", {{any, {Effect::PartialReset}}}, mixed, {0, 0, 0, 0, 5, 6});
        row("about box", {{any, {Effect::AboutBox}}}, mixed, mixed, Action::AboutBox);
        row("bonus", {{any, {Effect::Bonus}}}, mixed, mixed, Action::Bonus);
        row("no effect", {{any, {}}, {any, r1to1}}, mixed, mixed);
        row("no rule holds", {{r0is1, {Effect::Bonus}}}, {}, {});
        row("empty list", {}, mixed, mixed);
    }

    void interpreter()
    {
        QFETCH(std::vector<Rule>, rules);
        QFETCH(StepCounters, before);
        QFETCH(StepCounters, after);
        QFETCH(Action, action);

        QCOMPARE(hidden::apply(rules, before), action);
        QCOMPARE(before, after);
    }
};

QTEST_APPLESS_MAIN(HiddenRulesTest)

#include "tst_hiddenrules.moc"
