// Out of money: offer a fresh start, or end the game.
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
        return;
    }
    // Nothing may run after this: no timer, no further handler.
    for (QTimer *timer : {Timer1, Timer2, Timer3, Timer4, Timer5})
        timer->stop();
    hide();
    platform_.End();
}
