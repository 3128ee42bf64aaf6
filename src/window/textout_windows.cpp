#include "window/textout.h"

#include <cstdio>

#include <windows.h>

namespace {

// A windowed program has standard handles only where they were given to it
// (a pipe, a file, the terminal under Wine), and no console of its own; it can
// still write to the console of the program that started it, if any.
bool console()
{
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE)
        return true;
    if (AttachConsole(ATTACH_PARENT_PROCESS) == 0)
        return false;
    return std::freopen("CONOUT$", "w", stdout) != nullptr && std::freopen("CONOUT$", "w", stderr) != nullptr;
}

} // namespace

void textout::show(const QString &text, Kind kind)
{
    if (console()) {
        std::FILE *stream = kind == Kind::Answer ? stdout : stderr;
        std::fputs(qPrintable(text), stream);
        std::fflush(stream);
        return;
    }
    const UINT icon = kind == Kind::Answer ? MB_ICONINFORMATION : MB_ICONERROR;
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()), L"Facereel",
                MB_OK | MB_SETFOREGROUND | icon);
}
