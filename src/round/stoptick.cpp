// The stop tick: the only place a round ends. Stops the reels, applies the
// cheat, pays out, gives the controls back and checks for bankruptcy.
#include "core/checkedmath.h"
#include "core/payout.h"
#include "window/announcer.h"
#include "window/form1.h"
#include "window/platform.h"

void Form1::Timer5_Timer()
{
    Timer1->stop();
    Timer2->stop();
    Timer3->stop();
    Timer4->stop();

    if (Cheat == -1) {
        for (LoopIndex = 0; LoopIndex <= 3; ++LoopIndex)
            PutFace(LoopIndex, 0);
    }
    for (ReelPicture *reel : Output)
        reel->setSpinning(false); // now a screen reader may read the faces

    const bool paid = Settle();

    Controller->setText(QStringLiteral("&Spin"));
    Controller->setEnabled(true);
    Timer5->stop();
    Bet->setReadOnly(false);
    // Before any box, so the line is heard ahead of it.
    announcer_->tell(Comment->text(), Winnings->text(), Money->text());

    // Told only once the round is closed, so no timer runs under the box.
    if (!paid) {
        platform_.MsgBox(QStringLiteral("That win is too big to pay out. Your money stays as it was."), msgbox::OkOnly,
                         QStringLiteral("Stop!"));
    }

    CheckBankruptcy();
}

bool Form1::Settle()
{
    const payout::Outcome outcome =
        payout::evaluate(Output[0]->tag(), Output[1]->tag(), Output[2]->tag(), Output[3]->tag());
    Comment->setText(outcome.text);
    if (outcome.factor == 0)
        return true;

    // The bet is paid at the value the Spin accepted; the bet box is still locked.
    const double bet = amounts::strictValue(Bet->text(), format_).value();
    const std::optional<double> won = checkedmath::checked(bet * outcome.factor);
    const std::optional<double> money = won ? checkedmath::checked(amountOf(Money->text()) + *won) : std::nullopt;
    if (!money)
        return false; // money and winnings keep their last good texts
    Money->setText(textOf(*money));
    Winnings->setText(textOf(*won));
    return true;
}
