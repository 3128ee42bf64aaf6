// The joke for whoever keeps clicking the money: a chain of teasing boxes.
// It changes nothing in the game.
#include "window/form1.h"
#include "window/platform.h"

void Form1::MessageChain()
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
