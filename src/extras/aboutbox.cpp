// The about box, the reward of a hidden sequence: it also turns the cheat on
// and shows the button that turns it off again.
#include "window/form1.h"
#include "window/platform.h"

void Form1::AboutBox()
{
    platform_.MsgBox(QStringLiteral("Facereel version %1\n\nA slot machine of four faces.\n"
                                    "Cheat on: every round stops on four jackpot faces.")
                         .arg(QStringLiteral(FACEREEL_VERSION)),
                     msgbox::OkOnly + msgbox::Information, QStringLiteral("Copyright"));
    Cheat = -1;
    Secret->setVisible(true);
    Steps.fullReset();
}

void Form1::Secret_Click()
{
    Cheat = 0;
    Secret->setVisible(false);
}
