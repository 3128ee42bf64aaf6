// Colours, fonts, frames and alignment of each kind of control.
#pragma once

#include "window/design.h"

class QWidget;

namespace looks {

// The window font: the toolkit's sans-serif at 8 points.
void applyWindowFont(QWidget *window);

void apply(QWidget *control, design::Look look);

} // namespace looks
