#include "extras/extras.h"

#include "controls/announcer.h"
#include "controls/controls.h"
#include "core/checkedmath.h"
#include "core/platform.h"

Extras::Extras(Controls &ui, Platform &platform)
    : ui(ui)
    , platform_(platform)
{
}

void Extras::Output_Click(int index)
{
    if (hidden::apply(hidden::pictureRules(index), Steps) == hidden::Action::AboutBox)
        AboutBox();
}

void Extras::Money_Click()
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

void Extras::Winnings_Click()
{
    if (hidden::apply(hidden::winningsRules(), Steps) == hidden::Action::Bonus)
        Bonus();
}

void Extras::Secret_Click()
{
    Cheat = 0;
    ui.Secret->setVisible(false);
}

// The reward of a hidden sequence: it also turns the cheat on and shows the
// button that turns it off again.
void Extras::AboutBox()
{
    platform_.MsgBox(QStringLiteral("Facereel version %1\n\nA slot machine of four faces.\n"
                                    "Cheat on: every round stops on four jackpot faces.")
                         .arg(QStringLiteral(FACEREEL_VERSION)),
                     msgbox::OkOnly + msgbox::Information, QStringLiteral("Copyright"));
    Cheat = -1;
    ui.Secret->setVisible(true);
    Steps.fullReset();
}

// The joke for whoever keeps clicking the money: a chain of teasing boxes
// that changes nothing in the game.
void Extras::MessageChain()
{
    const QString title = QStringLiteral("What!!???");
    auto show = [&](const char *prompt, int style) {
        return platform_.MsgBox(QString::fromUtf8(prompt), style, title);
    };

    const int first = show("Do you actually think there's something here?", msgbox::YesNoCancel + msgbox::Question);
    if (first == msgbox::Cancel) {
        show("Haha! Decipher this easter egg: 6051K437R809. Good luck!", msgbox::OkOnly + msgbox::Information);
    } else if (first == msgbox::Yes) {
        show("No there isn't.", msgbox::OkOnly + msgbox::Critical);
    } else if (first == msgbox::No) {
        const int second =
            show("Then do you think the programmer is just plain nuts?", msgbox::YesNo + msgbox::Question);
        if (second == msgbox::Yes)
            show("You're quite honest. Here's something: 2586T. Decipher it for yourself",
                 msgbox::OkOnly + msgbox::Information);
        else if (second == msgbox::No)
            show("Heh! I wish you think you were. Nothing here!", msgbox::OkOnly + msgbox::Critical);
    }
}

// 100 into the money, in any phase of a round.
void Extras::Bonus()
{
    const amounts::NumberFormat format = platform_.numberFormat();
    const std::optional<double> money = checkedmath::checked(amounts::amountValue(ui.Money->text(), format) + 100);
    if (money) {
        ui.Comment->setText(QStringLiteral("You've got it!"));
        ui.Winnings->setText(QStringLiteral("100"));
        ui.Money->setText(amounts::generalText(*money, format));
        ui.Voice->tell(ui.Comment->text(), ui.Winnings->text(), ui.Money->text());
    } else {
        platform_.MsgBox(QStringLiteral("That bonus is too big to pay out."), msgbox::OkOnly, QStringLiteral("Stop!"));
    }
    Steps.partialReset();
}
