#include "round/round.h"

#include "controls/announcer.h"
#include "controls/controls.h"
#include "core/checkedmath.h"
#include "core/payout.h"
#include "core/platform.h"
#include "extras/extras.h"

#include <cmath>

namespace {

const QString StopTitle = QStringLiteral("Stop!");

} // namespace

Round::Round(Controls &ui, Platform &platform, Extras &extras)
    : ui(ui)
    , platform_(platform)
    , extras_(extras)
{
}

// Spin checks and takes the bet and starts the reels; Stop locks the button
// and starts the one-second stop wait.
void Round::Controller_Click()
{
    extras_.FullReset();

    if (ui.Controller->text() != SpinCaption) {
        ui.Controller->setEnabled(false);
        ui.Timer5->start();
        return;
    }

    const amounts::NumberFormat format = platform_.numberFormat();
    const std::optional<double> bet = amounts::strictValue(ui.Bet->text(), format);
    if (!bet) {
        platform_.MsgBox(QStringLiteral("Enter a number for your bet."), msgbox::OkOnly, StopTitle);
        return;
    }
    const double money = amounts::amountValue(ui.Money->text(), format);
    if (money < *bet) {
        platform_.MsgBox(QStringLiteral("You don't have enough money."), msgbox::OkOnly, StopTitle);
        return;
    }
    // A negative bet would mint money: refused like zero.
    if (*bet <= 0) {
        platform_.MsgBox(QStringLiteral("Bet something greedy!"), msgbox::OkOnly, StopTitle);
        return;
    }
    // Refuse up front what the jackpot could not pay, rather than fail at the
    // stop. The stop reads the money back from its 15-digit text, which may
    // round up, so the check adds the jackpot to that.
    const std::optional<double> left = checkedmath::checked(money - *bet);
    const std::optional<double> jackpot = checkedmath::checked(*bet * 50);
    if (!left || !jackpot
        || !checkedmath::checked(amounts::amountValue(amounts::generalText(*left, format), format) + *jackpot)) {
        platform_.MsgBox(QStringLiteral("That bet is too big to pay out."), msgbox::OkOnly, StopTitle);
        return;
    }

    ui.Comment->setText(QString());
    ui.Winnings->setText(QStringLiteral("0"));
    ui.Money->setText(amounts::generalText(*left, format)); // the bet is taken at the value the checks accepted
    ui.Controller->setText(StopCaption);
    ui.Bet->setReadOnly(true);
    for (ReelPicture *reel : ui.Output)
        reel->setSpinning(true);
    ui.Timer1->start();
    ui.Timer2->start();
    ui.Timer3->start();
    ui.Timer4->start();
}

// The reels flicker: each tick of a reel's timer puts a freshly drawn face on it.
void Round::ReelTick(int reel)
{
    const float u = platform_.Rnd();
    Q_ASSERT(u >= 0.0F && u < 1.0F); // the platform's promise: 4u is then below 4
    PutFace(reel, static_cast<int>(std::floor(4.0F * u)));
}

void Round::PutFace(int reel, int face)
{
    ReelPicture *output = ui.Output.at(static_cast<std::size_t>(reel));
    output->setPicture(ui.Images.picture(face + 1));
    output->setTag(QString::number(face));
}

// The stop tick: the only place a round ends. Stops the reels, applies the
// cheat, pays out, gives the controls back and checks for bankruptcy.
void Round::Timer5_Timer()
{
    ui.Timer1->stop();
    ui.Timer2->stop();
    ui.Timer3->stop();
    ui.Timer4->stop();

    if (extras_.CheatOn()) {
        for (LoopIndex = 0; LoopIndex <= 3; ++LoopIndex)
            PutFace(LoopIndex, 0);
    }
    for (ReelPicture *reel : ui.Output)
        reel->setSpinning(false); // now a screen reader may read the faces

    const bool paid = Settle();

    ui.Controller->setText(SpinCaption);
    ui.Controller->setEnabled(true);
    ui.Timer5->stop();
    ui.Bet->setReadOnly(false);
    // Before any box, so the line is heard ahead of it.
    ui.Voice->tell(ui.Comment->text(), ui.Winnings->text(), ui.Money->text());

    // Told only once the round is closed, so no timer runs under the box.
    if (!paid) {
        platform_.MsgBox(QStringLiteral("That win is too big to pay out. Your money stays as it was."), msgbox::OkOnly,
                         StopTitle);
    }

    CheckBankruptcy();
}

bool Round::Settle()
{
    const payout::Outcome outcome =
        payout::evaluate(ui.Output[0]->tag(), ui.Output[1]->tag(), ui.Output[2]->tag(), ui.Output[3]->tag());
    ui.Comment->setText(outcome.text);
    if (outcome.factor == 0)
        return true;

    // The bet is paid at the value the Spin accepted; the bet box is still locked.
    const amounts::NumberFormat format = platform_.numberFormat();
    const double bet = amounts::strictValue(ui.Bet->text(), format).value();
    const std::optional<double> won = checkedmath::checked(bet * outcome.factor);
    const std::optional<double> money =
        won ? checkedmath::checked(amounts::amountValue(ui.Money->text(), format) + *won) : std::nullopt;
    if (!money)
        return false; // money and winnings keep their last good texts
    ui.Money->setText(amounts::generalText(*money, format));
    ui.Winnings->setText(amounts::generalText(*won, format));
    return true;
}

// Out of money: offer a fresh start, or end the game.
void Round::CheckBankruptcy()
{
    if (ui.Money->text() != u"0")
        return;
    const int answer = platform_.MsgBox(QStringLiteral("You are out of money. Reset the game?"),
                                        msgbox::YesNo + msgbox::Question, QStringLiteral("Bankrupt"));
    if (answer == msgbox::Yes) {
        ui.Money->setText(QStringLiteral("1000"));
        ui.Voice->say(QStringLiteral("Money %1.").arg(ui.Money->text())); // the fresh start is heard too
        return;
    }
    ui.Controller->window()->hide();
    platform_.End(); // never returns: no further handler runs
}
