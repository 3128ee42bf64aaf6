// The hidden click sequences: six step counters and, per click target, an
// ordered rule list. The first rule whose condition holds is applied.
#pragma once

#include <QtGlobal>

#include <span>

namespace hidden {

enum class Counter : quint8 { Reel0Step, Reel1Step, Reel2Step, Reel3Step, WinningsStep, MoneyClicks };

// The six step counters, in their order of declaration.
struct StepCounters {
    quint8 Reel0Step = 0;
    quint8 Reel1Step = 0;
    quint8 Reel2Step = 0;
    quint8 Reel3Step = 0;
    quint8 WinningsStep = 0;
    quint8 MoneyClicks = 0;

    quint8 &operator[](Counter c);
    quint8 operator[](Counter c) const;
    void fullReset();    // all six to 0, in order
    void partialReset(); // the four reel counters to 0
    friend bool operator==(const StepCounters &, const StepCounters &) = default;
};

struct Condition {
    enum Kind : quint8 { Always, Equals, BothEqual } kind = Always;
    Counter first{};
    quint8 firstValue = 0;
    Counter second{};
    quint8 secondValue = 0;
};

struct Effect {
    enum Kind : quint8 { Nothing, Set, Step, PartialReset, AboutBox, Bonus } kind = Nothing;
    Counter counter{};   // Set: counter := value; Step: counter + 1, checked
    quint8 value = 0;
    bool thenSet = false; // after Set or Step: second := secondValue
    Counter second{};
    quint8 secondValue = 0;
};

struct Rule {
    Condition when;
    Effect then;
};

// What a click fired beyond changing counters; the caller runs it.
enum class Action { None, AboutBox, Bonus };

// Applies the first rule of the list whose condition holds. A step past 255
// is ignored whole: the counters stay as they were and nothing fires.
Action apply(std::span<const Rule> rules, StepCounters &counters);

// The rule lists of the click targets. pictureRules is empty outside 0..3.
std::span<const Rule> pictureRules(int index);
std::span<const Rule> winningsRules();
std::span<const Rule> moneyRules(); // first step of a Money click

} // namespace hidden
