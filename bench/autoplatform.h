// A platform for the in-process benchmarks: every box is answered at once
// with its first button and counted, draws come from a fixed-seed engine,
// ending the program is only counted.
#pragma once

#include "window/platform.h"

#include <random>

class AutoPlatform : public Platform
{
public:
    int boxes = 0;
    int ended = 0;

    int MsgBox(const QString &, int style, const QString &) override
    {
        ++boxes;
        const int buttons = style & 0x0F;
        return buttons == msgbox::YesNo || buttons == msgbox::YesNoCancel ? msgbox::Yes : msgbox::Ok;
    }
    float Rnd() override { return static_cast<float>(engine_() >> 8) * (1.0F / 16777216.0F); }
    void End() override { ++ended; }
    amounts::NumberFormat numberFormat() const override { return {}; }

private:
    std::mt19937 engine_;
};
