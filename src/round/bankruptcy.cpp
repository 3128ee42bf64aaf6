// Out of money: offer a fresh start, or end the game.
#include "window/announcer.h"
#include "window/form1.h"
#include "window/platform.h"

void Form1::CheckBankruptcy()
{
    if (Money->text() != u"0")
        return;
    const int answer = platform_.MsgBox(QStringLiteral("You are out of money. Reset the game?"),
                                        msgbox::YesNo + msgbox::Question, QStringLiteral("Bankrupt"));
    if (answer == msgbox::Yes) {
        Money->setText(QStringLiteral("1000"));
        announcer_->say(QStringLiteral("Money %1.").arg(Money->text())); // the fresh start is heard too
        return;
    }
    hide();
    platform_.End(); // never returns: no further handler runs
}
