// The Spin/Stop button: Spin checks and takes the bet and starts the reels;
// Stop locks the button and starts the one-second stop wait.
#include "core/checkedmath.h"
#include "window/form1.h"
#include "window/platform.h"

namespace {

const QString StopTitle = QStringLiteral("Stop!");

} // namespace

void Form1::Controller_Click()
{
    Steps.fullReset();

    if (Controller->text() != u"&Spin") {
        Controller->setEnabled(false);
        Timer5->start();
        return;
    }

    const std::optional<double> bet = amounts::strictValue(Bet->text(), format_);
    if (!bet) {
        platform_.MsgBox(QStringLiteral("Enter a number for your bet."), msgbox::OkOnly, StopTitle);
        return;
    }
    const double money = amountOf(Money->text());
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
    if (!left || !jackpot || !checkedmath::checked(amountOf(textOf(*left)) + *jackpot)) {
        platform_.MsgBox(QStringLiteral("That bet is too big to pay out."), msgbox::OkOnly, StopTitle);
        return;
    }

    Comment->setText(QString());
    Winnings->setText(QStringLiteral("0"));
    Money->setText(textOf(*left)); // the bet is taken at the value the checks accepted
    Controller->setText(QStringLiteral("&Stop"));
    Bet->setReadOnly(true);
    for (ReelPicture *reel : Output)
        reel->setSpinning(true);
    Timer1->start();
    Timer2->start();
    Timer3->start();
    Timer4->start();
}
