// The payout rule book. Combinations are told apart only by which reels show
// the same tag text; the tags are compared as texts, never as numbers, so a
// tag the game did not write itself still gets a name.
#include "core/payout.h"

namespace payout {

namespace {

Outcome jackpot()
{
    return {QStringLiteral("Jackpot!!!"), 50};
}

Outcome fourHeads()
{
    return {QStringLiteral("Four Heads!!"), 25};
}

Outcome tripleStrike()
{
    return {QStringLiteral("Triple Strike!"), 10};
}

Outcome doubleDouble()
{
    return {QStringLiteral("Double Double!!"), 25};
}

Outcome single()
{
    return {QStringLiteral("Double!"), 5};
}

// The pair on reels 1 and 3 has always been named without the '!'.
Outcome singleOnOneAndThree()
{
    return {QStringLiteral("Double"), 5};
}

Outcome toughLuck()
{
    return {QStringLiteral("Tough Luck!"), 0};
}

} // namespace

// The tests run in this nested order; the first outcome reached is the result.
Outcome evaluate(QStringView t0, QStringView t1, QStringView t2, QStringView t3)
{
    if (t0 == t1) {
        if (t0 == t2 && t0 == t3)
            return t0 == u"0" ? jackpot() : fourHeads();
        if (t0 == t2)
            return tripleStrike(); // reels 0, 1, 2
        if (t0 == t3)
            return tripleStrike(); // reels 0, 1, 3
        if (t2 == t3)
            return doubleDouble(); // 0+1 with 2+3
        return single();           // reels 0 and 1
    }
    if (t0 == t2) {
        if (t0 == t3)
            return tripleStrike(); // reels 0, 2, 3
        if (t1 == t3)
            return doubleDouble(); // 0+2 with 1+3
        return single();           // reels 0 and 2
    }
    if (t0 == t3) {
        if (t1 == t2)
            return doubleDouble(); // 0+3 with 1+2
        return single();           // reels 0 and 3
    }
    if (t1 == t2 && t1 == t3)
        return tripleStrike(); // reels 1, 2, 3
    if (t1 == t2)
        return single(); // reels 1 and 2
    if (t1 == t3)
        return singleOnOneAndThree();
    if (t2 == t3)
        return single(); // reels 2 and 3
    return toughLuck();
}

} // namespace payout
