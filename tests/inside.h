// The one way into the window's private parts, for the tests and the
// benchmarks: its controls, the round's and the extras' handlers, and the
// hidden state.
#pragma once

#include "window/form1.h"

struct Inside {
    static Controls &ui(Form1 &w) { return w.ui; }
    static Round &round(Form1 &w) { return w.round_; }
    static Extras &extras(Form1 &w) { return w.extras_; }
    static hidden::StepCounters &steps(Form1 &w) { return w.extras_.Steps; }
    static const qint16 &cheat(Form1 &w) { return w.extras_.Cheat; }
};
