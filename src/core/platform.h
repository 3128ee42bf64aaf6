// What the game asks of the platform: message boxes, the random source, the
// user's number format and ending the program. Tests script their own.
#pragma once

#include "core/amounts.h"

#include <QString>

// Message box styles and answers, numbered as the game's boxes were designed.
namespace msgbox {
inline constexpr int OkOnly = 0;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Information = 64;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
} // namespace msgbox

class Platform
{
public:
    virtual ~Platform() = default;

    // A modal box; returns the answer (msgbox::Ok, Cancel, Yes or No).
    virtual int MsgBox(const QString &prompt, int style, const QString &title) = 0;
    // Next value of the one uniform source, 0 <= u < 1.
    virtual float Rnd() = 0;
    // Ends the program at once, exit status 0: it never returns, so nothing
    // waiting under a box runs on.
    [[noreturn]] virtual void End() = 0;
    virtual amounts::NumberFormat numberFormat() const = 0;
};
