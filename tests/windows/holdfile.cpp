// Holds a file open as another program would, for tests/system/windows.sh:
// without delete sharing, as a virus scanner or an editor may hold it, so
// that it can be neither moved nor deleted; or, with "delete", shared for
// deleting but not for writing, as Windows holds a running program, which
// may be moved but not written. Says "held", then keeps the file until its
// input ends.   holdfile.exe PATH [delete]
#include <windows.h>

int wmain(int argc, wchar_t **argv)
{
    if (argc < 2)
        return 2;
    const DWORD share = FILE_SHARE_READ | (argc > 2 ? FILE_SHARE_DELETE : 0);
    HANDLE file = CreateFileW(argv[1], GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD count = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "held\n", 5, &count, nullptr);
    char buffer[64];
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &count, nullptr) && count > 0) {
    }
    CloseHandle(file);
    return 0;
}
