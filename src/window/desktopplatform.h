// The real platform: Qt message boxes over the game window, a never-seeded
// engine, the player's number format.
#pragma once

#include "core/platform.h"

#include <random>

class QWidget;

class DesktopPlatform : public Platform
{
public:
    DesktopPlatform();
    void setWindow(QWidget *window) { window_ = window; } // owns every box

    int MsgBox(const QString &prompt, int style, const QString &title) override;
    float Rnd() override;
    [[noreturn]] void End() override;
    amounts::NumberFormat numberFormat() const override;

private:
    std::mt19937 engine_; // default seed: every run draws the same sequence
    amounts::NumberFormat format_;
    QWidget *window_ = nullptr;
};
