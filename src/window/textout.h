// Where the command line's answers go: the terminal the game was started
// from, or, where it has none (a Windows program started from its menu), a
// box as Qt's own command-line parser shows there.
#pragma once

#include <QString>

namespace textout {

enum class Kind {
    Answer, // to standard output, or an information box
    Problem // to standard error, or an error box
};

void show(const QString &text, Kind kind);

} // namespace textout
