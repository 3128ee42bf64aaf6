// The reels flicker: each tick of a reel's timer puts a freshly drawn face on it.
#include "window/form1.h"
#include "window/platform.h"

#include <cmath>

void Form1::ReelTick(int reel)
{
    const float u = platform_.Rnd();
    Q_ASSERT(u >= 0.0F && u < 1.0F); // the platform's promise: 4u is then below 4
    PutFace(reel, static_cast<int>(std::floor(4.0F * u)));
}

void Form1::Timer1_Timer()
{
    ReelTick(0);
}

void Form1::Timer2_Timer()
{
    ReelTick(1);
}

void Form1::Timer3_Timer()
{
    ReelTick(2);
}

void Form1::Timer4_Timer()
{
    ReelTick(3);
}
