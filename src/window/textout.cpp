#include "window/textout.h"

#include <cstdio>

void textout::show(const QString &text, Kind kind)
{
    std::fputs(qPrintable(text), kind == Kind::Answer ? stdout : stderr);
}
