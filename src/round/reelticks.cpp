// The reels flicker: each tick of a reel's timer puts a freshly drawn face on it.
#include "window/form1.h"
#include "window/platform.h"

#include <algorithm>
#include <cmath>

void Form1::ReelTick(int reel)
{
    float u = platform_.Rnd();
    if (!(u >= 0.0F && u < 1.0F)) // a broken source must not pick a face off the strip
        u = 0.0F;
    const int face = std::min(static_cast<int>(std::floor(4.0F * u)), ImageList::Count - 1);
    PutFace(reel, face);
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
