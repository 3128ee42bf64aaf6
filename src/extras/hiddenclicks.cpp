// Clicks on the otherwise passive parts of the window step the hidden
// sequence counters; the rule lists decide what a click fires.
#include "window/form1.h"

void Form1::Output_Click(int index)
{
    if (hidden::apply(hidden::pictureRules(index), Steps) == hidden::Action::AboutBox)
        AboutBox();
}

void Form1::Money_Click()
{
    hidden::apply(hidden::moneyRules(), Steps);
    if (Steps.MoneyClicks == 255) // a step past 255 is ignored, never wrapped
        return;
    ++Steps.MoneyClicks;
    if (Steps.MoneyClicks == 10) {
        MessageChain();
        Steps.MoneyClicks = 0;
    }
}

void Form1::Winnings_Click()
{
    if (hidden::apply(hidden::winningsRules(), Steps) == hidden::Action::Bonus)
        Bonus();
}
