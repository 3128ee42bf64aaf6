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

bool unlocks(const Clicks &clicks)
{
    StepCounters counters;
    return std::ranges::count_if(clicks, [&](Target t) { return click(t, counters) != Action::None; }) > 0;
}

// Fewest clicks from `start` after which `wanted` fires, over every sequence
// up to `limit` clicks long; 0 if there is none.
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

} // namespace

class HiddenRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void codesUnlockOnlyInFull()
    {
        for (const auto &[code, action] : {std::pair{cheatCode, Action::AboutBox}, {bonusCode, Action::Bonus}}) {
            QVERIFY(code.size() >= 6);
            QVERIFY(action == Action::Bonus ? code.back() == Winnings : code.back() <= Picture3);
            StepCounters counters;
            for (int time = 0; time < 2; ++time) { // no shorter way in, also after an unlock
                QCOMPARE(fewestClicks(counters, Action::AboutBox, int(cheatCode.size())), int(cheatCode.size()));
                QCOMPARE(fewestClicks(counters, Action::Bonus, int(bonusCode.size())), int(bonusCode.size()));
                for (std::size_t i = 0; i < code.size(); ++i)
                    QCOMPARE(click(code[i], counters), i + 1 == code.size() ? action : Action::None);
            }
            for (std::size_t i = 0; i < code.size(); ++i) { // one click left out, changed, or cut by Spin/Stop
                Clicks shorter = code, interrupted = code;
                shorter.erase(shorter.begin() + std::ptrdiff_t(i));
                QVERIFY(!unlocks(shorter));
                interrupted.insert(interrupted.begin() + std::ptrdiff_t(i) + 1, SpinStop);
                QVERIFY(i + 1 == code.size() || !unlocks(interrupted));
                for (Target wrong : sixTargets) {
                    Clicks changed = code;
                    changed[i] = wrong;
                    QVERIFY(wrong == code[i] || !unlocks(changed));
                }
            }
        }
    }

    void resetsTouchWhatTheyShould()
    {
        StepCounters counters;
        for (int c = 0; c < 6; ++c)
            counters[Counter(c)] = quint8(c + 1);
        QCOMPARE(counters, (StepCounters{1, 2, 3, 4, 5, 6})); // each counter names its own field
        counters.partialReset();
        QCOMPARE(counters, (StepCounters{0, 0, 0, 0, 5, 6}));
        counters.fullReset();
        QCOMPARE(counters, StepCounters{});
    }

    // Real clicks drive a counter to 255; the click after that changes nothing.
    void stepPast255IsDropped()
    {
        for (const auto &[prefix, target, counter] :
             {std::tuple{Clicks{Picture1}, Picture3, Reel3Step}, {Clicks{}, Winnings, WinningsStep}}) {
            StepCounters counters;
            for (Target t : prefix)
                click(t, counters);
            for (int n = 0; n < 300; ++n)
                QCOMPARE(click(target, counters), Action::None);
            QCOMPARE(int(counters[counter]), 255);
        }
    }

    void interpreter()
    {
        const Condition any{}, r0is0{Condition::Equals, Reel0Step, 0}, r0is1{Condition::Equals, Reel0Step, 1},
            r0is0AndR2is5{Condition::BothEqual, Reel0Step, 0, Reel2Step, 5};
        const Effect r1to1{Effect::Set, Reel1Step, 1}, r1to2{Effect::Set, Reel1Step, 2},
            r1to3ThenW9{Effect::Set, Reel1Step, 3, true, WinningsStep, 9},
            stepR2ThenM0{Effect::Step, Reel2Step, 0, true, MoneyClicks, 0};
        const StepCounters mixed{1, 2, 3, 4, 5, 6};
        struct Row {
            std::vector<Rule> rules;
            StepCounters before, after;
            Action action = Action::None;
        };
        const Row rows[] = {
            {{{r0is0, r1to1}, {any, r1to2}}, {}, {0, 1}},                   // first match wins
            {{{r0is1, r1to1}, {any, r1to2}}, {}, {0, 2}},                   // a failing rule is passed over
            {{{r0is0AndR2is5, r1to1}, {any, r1to2}}, {0, 0, 4}, {0, 2, 4}}, // both tests must hold
            {{{r0is0AndR2is5, r1to1}, {any, r1to2}}, {0, 0, 5}, {0, 1, 5}},
            {{{any, r1to3ThenW9}}, {}, {0, 3, 0, 0, 9}},                         // set, then set
            {{{any, stepR2ThenM0}}, {0, 0, 7, 0, 0, 4}, {0, 0, 8}},              // step, then set
            {{{any, stepR2ThenM0}}, {0, 0, 255, 0, 0, 4}, {0, 0, 255, 0, 0, 4}}, // past 255: dropped whole
            {{{any, {Effect::PartialReset}}}, mixed, {0, 0, 0, 0, 5, 6}},
            {{{any, {Effect::AboutBox}}}, mixed, mixed, Action::AboutBox},
            {{{any, {Effect::Bonus}}}, mixed, mixed, Action::Bonus},
            {{{r0is1, {Effect::Bonus}}}, {}, {}},
        };
        for (Row r : rows) {
            QCOMPARE(hidden::apply(r.rules, r.before), r.action);
            QCOMPARE(r.before, r.after);
        }
    }
};

QTEST_APPLESS_MAIN(HiddenRulesTest)
#include "tst_hiddenrules.moc"
