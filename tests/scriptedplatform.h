// A platform the tests script: boxes are answered from a queue and recorded,
// draws come from a queue, ending the program is only noted.
#pragma once

#include "window/platform.h"

#include <QList>
#include <QString>

struct ShownBox {
    QString prompt;
    int style;
    QString title;
};

class ScriptedPlatform : public Platform
{
public:
    explicit ScriptedPlatform(amounts::NumberFormat format = {})
        : format_(format)
    {
    }

    QList<ShownBox> boxes; // every box shown, in order
    QList<int> answers;    // answers to give, in order; OK (1) once empty
    QList<float> draws;    // values to draw, in order; 0 once empty
    int ended = 0;         // times End() was called

    int MsgBox(const QString &prompt, int style, const QString &title) override
    {
        boxes.append({prompt, style, title});
        return answers.isEmpty() ? msgbox::Ok : answers.takeFirst();
    }
    float Rnd() override { return draws.isEmpty() ? 0.0F : draws.takeFirst(); }
    void End() override { ++ended; }
    amounts::NumberFormat numberFormat() const override { return format_; }

    QStringList prompts() const
    {
        QStringList list;
        for (const ShownBox &b : boxes)
            list.append(b.prompt);
        return list;
    }

private:
    amounts::NumberFormat format_;
};

// Draws that put face f on a reel: floor(4u) == f.
inline float drawFor(int face)
{
    return (static_cast<float>(face) + 0.5F) / 4.0F;
}

#include "window/form1.h"

// Ticks each reel once, drawing the given faces from left to right.
inline void tickFaces(Form1 &w, ScriptedPlatform &platform, std::array<int, 4> faces)
{
    for (int face : faces)
        platform.draws.append(drawFor(face));
    w.Timer1_Timer();
    w.Timer2_Timer();
    w.Timer3_Timer();
    w.Timer4_Timer();
}
