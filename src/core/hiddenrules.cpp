// The hidden rule book and the machine that reads it.
//
// Reel1Step holds the stage of whichever sequence is under way (picture 1
// opens both); Reel3Step counts clicks on picture 3 inside the cheat;
// WinningsStep counts the Winnings clicks that open the bonus, and is spent
// (back to 0) as soon as either sequence gets going. Reel0Step and Reel2Step
// take no part; the partial reset clears them with the rest.
#include "core/hiddenrules.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace hidden {

quint8 &StepCounters::operator[](Counter c)
{
    switch (c) {
    case Counter::Reel0Step: return Reel0Step;
    case Counter::Reel1Step: return Reel1Step;
    case Counter::Reel2Step: return Reel2Step;
    case Counter::Reel3Step: return Reel3Step;
    case Counter::WinningsStep: return WinningsStep;
    case Counter::MoneyClicks: break;
    }
    return MoneyClicks;
}

quint8 StepCounters::operator[](Counter c) const
{
    return const_cast<StepCounters &>(*this)[c];
}

void StepCounters::fullReset()
{
    Reel0Step = 0;
    Reel1Step = 0;
    Reel2Step = 0;
    Reel3Step = 0;
    WinningsStep = 0;
    MoneyClicks = 0;
}

void StepCounters::partialReset()
{
    Reel0Step = 0;
    Reel1Step = 0;
    Reel2Step = 0;
    Reel3Step = 0;
}

namespace {

bool holds(const Condition &condition, const StepCounters &counters)
{
    switch (condition.kind) {
    case Condition::Always: return true;
    case Condition::Equals: return counters[condition.first] == condition.firstValue;
    case Condition::BothEqual:
        return counters[condition.first] == condition.firstValue && counters[condition.second] == condition.secondValue;
    }
    return false;
}

} // namespace

Action apply(std::span<const Rule> rules, StepCounters &counters)
{
    const auto rule = std::ranges::find_if(rules, [&](const Rule &r) { return holds(r.when, counters); });
    if (rule == rules.end())
        return Action::None;

    const Effect &effect = rule->then;
    switch (effect.kind) {
    case Effect::Nothing: return Action::None;
    case Effect::Set: counters[effect.counter] = effect.value; break;
    case Effect::Step:
        // A checked step: past 255 is an overflow, and the click is dropped
        // whole rather than half applied or wrapped to 0.
        if (counters[effect.counter] == std::numeric_limits<quint8>::max())
            return Action::None;
        ++counters[effect.counter];
        break;
    case Effect::PartialReset: counters.partialReset(); return Action::None;
    case Effect::AboutBox: return Action::AboutBox;
    case Effect::Bonus: return Action::Bonus;
    }
    if (effect.thenSet)
        counters[effect.second] = effect.secondValue;
    return Action::None;
}

namespace {

using enum Counter;

constexpr Condition always()
{
    return {};
}

constexpr Condition when(Counter c, quint8 value)
{
    return {Condition::Equals, c, value};
}

constexpr Condition both(Counter a, quint8 aValue, Counter b, quint8 bValue)
{
    return {Condition::BothEqual, a, aValue, b, bValue};
}

constexpr Effect nothing()
{
    return {};
}

constexpr Effect set(Counter c, quint8 value)
{
    return {Effect::Set, c, value};
}

constexpr Effect set(Counter c, quint8 value, Counter also, quint8 alsoValue)
{
    return {Effect::Set, c, value, true, also, alsoValue};
}

constexpr Effect step(Counter c)
{
    return {Effect::Step, c};
}

constexpr Effect partialReset()
{
    return {Effect::PartialReset};
}

constexpr Effect aboutBox()
{
    return {Effect::AboutBox};
}

constexpr Effect bonus()
{
    return {Effect::Bonus};
}

// Stages of Reel1Step, named by the clicks that lead there.
constexpr quint8 Idle = 0;
constexpr quint8 Cheat1 = 1; // 1 (then picture 3 is counted)
constexpr quint8 Cheat2 = 2; // 1, 3, 3, 3, 1
constexpr quint8 Cheat3 = 3; // ... 2
constexpr quint8 Cheat4 = 4; // ... 2, 1
constexpr quint8 Bonus1 = 5; // W, W, 1
constexpr quint8 Bonus2 = 6; // W, W, 1, 1
constexpr quint8 Bonus3 = 7; // ... 3
constexpr quint8 Bonus4 = 8; // ... 3, 1

constexpr quint8 PictureThreeCount = 3; // clicks on picture 3 inside the cheat
constexpr quint8 Opening = 2;           // Winnings clicks that open the bonus

// Cheat: pictures 1, 3, 3, 3, 1, 2, 1, 0.
// Bonus: Winnings, Winnings, pictures 1, 1, 3, 1, Winnings.
//
// A picture click that fits no stage voids the sequence (partial reset). While
// nothing is under way, a stray picture voids the Winnings opening instead, so
// it has to be clicked again in one go.

constexpr Rule picture0[] = {
    {when(Reel1Step, Cheat4), aboutBox()},
    {both(WinningsStep, 1, Reel1Step, Idle), set(WinningsStep, 0)},
    {both(WinningsStep, Opening, Reel1Step, Idle), set(WinningsStep, 0)},
    {always(), partialReset()},
};

constexpr Rule picture1[] = {
    {both(WinningsStep, Opening, Reel1Step, Idle), set(Reel1Step, Bonus1, WinningsStep, 0)},
    {when(Reel1Step, Bonus1), set(Reel1Step, Bonus2)},
    {when(Reel1Step, Bonus3), set(Reel1Step, Bonus4)},
    // Opening the cheat also voids a half-clicked Winnings opening. Reel3Step
    // must be clear too: a Money click can leave a count behind.
    {both(Reel1Step, Idle, Reel3Step, 0), set(Reel1Step, Cheat1, WinningsStep, 0)},
    {both(Reel1Step, Cheat1, Reel3Step, PictureThreeCount), set(Reel1Step, Cheat2, Reel3Step, 0)},
    {when(Reel1Step, Cheat3), set(Reel1Step, Cheat4)},
    {always(), partialReset()},
};

constexpr Rule picture2[] = {
    {when(Reel1Step, Cheat2), set(Reel1Step, Cheat3)},
    {both(WinningsStep, 1, Reel1Step, Idle), set(WinningsStep, 0)},
    {both(WinningsStep, Opening, Reel1Step, Idle), set(WinningsStep, 0)},
    {always(), partialReset()},
};

// The count has no upper test of its own: a long run of clicks here drives
// Reel3Step to 255, and the click after that is dropped.
constexpr Rule picture3[] = {
    {when(Reel1Step, Cheat1), step(Reel3Step)},
    {when(Reel1Step, Bonus2), set(Reel1Step, Bonus3)},
    {both(WinningsStep, 1, Reel1Step, Idle), set(WinningsStep, 0)},
    {both(WinningsStep, Opening, Reel1Step, Idle), set(WinningsStep, 0)},
    {always(), partialReset()},
};

// With nothing under way, Winnings clicks count towards the opening. A third
// one spoils it (picture 1 then opens the cheat, which clears the count); a
// long run drives the count to 255. Once a sequence is under way WinningsStep
// is 0 (both openings spend it), so there "WinningsStep = 0" means a click in
// the middle, which voids the sequence. The bonus leaves WinningsStep at 0,
// so a repeat starts afresh.
constexpr Rule winnings[] = {
    {both(WinningsStep, 0, Reel1Step, Bonus4), bonus()},
    {when(Reel1Step, Idle), step(WinningsStep)},
    {when(WinningsStep, 0), partialReset()},
    {always(), nothing()},
};

// A Money click abandons whatever sequence is under way; the Money count
// itself is left to the click handler.
constexpr Rule money[] = {
    {always(), set(Reel1Step, Idle)},
};

static_assert(std::size(picture0) == 4 && std::size(picture1) == 7 && std::size(picture2) == 4
              && std::size(picture3) == 5 && std::size(winnings) == 4);

} // namespace

std::span<const Rule> pictureRules(int index)
{
    switch (index) {
    case 0: return picture0;
    case 1: return picture1;
    case 2: return picture2;
    case 3: return picture3;
    }
    return {};
}

std::span<const Rule> winningsRules()
{
    return winnings;
}

std::span<const Rule> moneyRules()
{
    return money;
}

} // namespace hidden
