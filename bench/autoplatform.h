// A platform for the in-process benchmarks: every box is answered at once
// with its first button and counted, draws come from a fixed-seed engine.
// Every first button is Yes or OK, so the game never ends by itself; if it
// did, the figures would be void.
#pragma once

#include "core/platform.h"

#include <cstdio>
#include <cstdlib>
#include <random>

class AutoPlatform : public Platform
{
public:
    int boxes = 0;

    int MsgBox(const QString &, int style, const QString &) override
    {
        ++boxes;
        const int buttons = style & 0x0F;
        return buttons == msgbox::YesNo || buttons == msgbox::YesNoCancel ? msgbox::Yes : msgbox::Ok;
    }
    float Rnd() override { return static_cast<float>(engine_() >> 8) * (1.0F / 16777216.0F); }
    [[noreturn]] void End() override
    {
        std::fputs("bench: the game ended; no figures\n", stderr);
        std::_Exit(EXIT_FAILURE);
    }
    amounts::NumberFormat numberFormat() const override { return {}; }

private:
    std::mt19937 engine_;
};
