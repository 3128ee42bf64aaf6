#include "window/desktopplatform.h"

#include "window/answerbox.h"
#include "window/maximizeguard.h"

#include <cstdio>
#include <cstdlib>

DesktopPlatform::DesktopPlatform()
    : format_(amounts::NumberFormat::system())
{
}

int DesktopPlatform::MsgBox(const QString &prompt, int style, const QString &title)
{
    AnswerBox box(window_);
    MaximizeGuard::watch(&box);
    box.setWindowTitle(title);
    box.setText(prompt);
    switch (style & 0xF0) {
    case msgbox::Critical: box.setIcon(QMessageBox::Critical); break;
    case msgbox::Question: box.setIcon(QMessageBox::Question); break;
    case msgbox::Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }

    struct Choice {
        QMessageBox::StandardButton button;
        int answer;
    };
    QList<Choice> choices;
    switch (style & 0x0F) {
    case msgbox::YesNoCancel:
        choices = {
            {QMessageBox::Yes, msgbox::Yes}, {QMessageBox::No, msgbox::No}, {QMessageBox::Cancel, msgbox::Cancel}};
        break;
    case msgbox::YesNo: choices = {{QMessageBox::Yes, msgbox::Yes}, {QMessageBox::No, msgbox::No}}; break;
    default: choices = {{QMessageBox::Ok, msgbox::Ok}}; break;
    }
    for (const Choice &c : choices)
        box.addButton(c.button);
    box.setDefaultButton(choices.first().button); // the first button is the default
    if (choices.last().answer != msgbox::No)
        box.setEscapeButton(choices.last().button); // Cancel or OK; Yes/No waits for one of the two

    const auto pressed = box.exec();
    for (const Choice &c : choices) {
        if (c.button == pressed)
            return c.answer;
    }
    return choices.last().answer;
}

float DesktopPlatform::Rnd()
{
    // 24 random bits scaled by 2^-24: exact in a float and always below 1.
    return static_cast<float>(engine_() >> 8) * (1.0F / 16777216.0F);
}

void DesktopPlatform::End()
{
    // Not through the event loop: whatever waits under a box would run on.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

amounts::NumberFormat DesktopPlatform::numberFormat() const
{
    return format_;
}
