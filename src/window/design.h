// The window's design: every control with its place, size, initial text and
// look, in twips as laid out at design time. Form1 is built from this table.
#pragma once

#include <array>
#include <string_view>

namespace design {

inline constexpr int TwipsPerPixel = 15; // at 96 dots per inch

constexpr int pixels(int twips)
{
    return twips / TwipsPerPixel;
}

enum class Kind { PictureBox, Label, TextBox, PushButton };

enum class Look {
    Reel,      // picture stretched to the box, single-line frame
    Caption,   // white on the background, sized to its text
    Amount,    // white on black, right-aligned, single-line frame
    Yen,       // white (black where white cannot be read) on the button face colour, sized to its text
    BetBox,    // white on black text box
    Script,    // the comment line: centred, large italic script face
    PinkButton // whole face in RGB(255, 128, 255)
};

struct Control {
    std::string_view name;
    int index; // position in a control array, -1 for a single control
    Kind kind;
    int left, top, width, height; // twips
    std::string_view text;        // UTF-8
    Look look;
    int tabIndex;
    bool visible;
};

struct Timer {
    std::string_view name;
    int interval; // ms
};

struct Window {
    std::string_view title;
    int left, top, width, height; // client area, twips
};

inline constexpr Window window{"Facereel", 2700, 2070, 6000, 4500};

// clang-format off
inline constexpr std::array<Control, 14> controls{{
    {"Output",     0, Kind::PictureBox,  480,  840, 1095, 1095, "",               Look::Reel,       -1, true},
    {"Output",     1, Kind::PictureBox, 1800,  840, 1095, 1095, "",               Look::Reel,       -1, true},
    {"Output",     2, Kind::PictureBox, 3120,  840, 1095, 1095, "",               Look::Reel,       -1, true},
    {"Output",     3, Kind::PictureBox, 4440,  840, 1095, 1095, "",               Look::Reel,       -1, true},
    {"Label1",    -1, Kind::Label,       360, 2400,  525,  195, "Money:",         Look::Caption,     0, true},
    {"Money",     -1, Kind::Label,      1560, 2400, 1695,  255, "1000",           Look::Amount,      1, true},
    {"Label3",    -1, Kind::Label,      3360, 2400,   90,  195, "\u00a5",         Look::Yen,         2, true},
    {"Label4",    -1, Kind::Label,       360, 2760,  285,  195, "Bet:",           Look::Caption,     3, true},
    {"Bet",       -1, Kind::TextBox,    1560, 2760, 1695,  285, "0",              Look::BetBox,      4, true},
    {"Label5",    -1, Kind::Label,       360, 3120,  660,  195, "Winnings",       Look::Caption,     5, true},
    {"Winnings",  -1, Kind::Label,      1560, 3120, 1695,  255, "0",              Look::Amount,      6, true},
    {"Controller",-1, Kind::PushButton, 3840, 2400, 1695,  495, "&Spin",          Look::PinkButton,  7, true},
    {"Comment",   -1, Kind::Label,       480, 3480, 5055,  735, "",               Look::Script,      8, true},
    {"Secret",    -1, Kind::PushButton, 3840, 3000, 1695,  375, "Turn off cheat", Look::PinkButton,  9, false},
}};

inline constexpr std::array<Timer, 5> timers{{
    {"Timer1", 50}, {"Timer2", 50}, {"Timer3", 50}, {"Timer4", 50}, {"Timer5", 1000},
}};
// clang-format on

inline constexpr int buttonRed = 255, buttonGreen = 128, buttonBlue = 255;

} // namespace design
