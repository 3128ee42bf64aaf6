// The winnings bonus: 100 into the money, in any phase of a round.
#include "core/checkedmath.h"
#include "window/announcer.h"
#include "window/form1.h"
#include "window/platform.h"

void Form1::Bonus()
{
    const std::optional<double> money = checkedmath::checked(amountOf(Money->text()) + 100);
    if (money) {
        Comment->setText(QStringLiteral("You've got it!"));
        Winnings->setText(QStringLiteral("100"));
        Money->setText(textOf(*money));
        announcer_->tell(Comment->text(), Winnings->text(), Money->text());
    } else {
        platform_.MsgBox(QStringLiteral("That bonus is too big to pay out."), msgbox::OkOnly, QStringLiteral("Stop!"));
    }
    Steps.partialReset();
}
