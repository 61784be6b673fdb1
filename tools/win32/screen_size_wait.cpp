// A test helper for the Windows build: waits until Wine's idea of the screen size is the
// given one. Wine keeps the last display mode in the prefix and brings it up to date when
// its desktop starts on the new display; a program started before that sees the old size.
// Usage: screen_size_wait <width> <height> <seconds>   (exit status 0 once they match)
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    const DWORD end = GetTickCount() + static_cast<DWORD>(std::atoi(argv[3])) * 1000;
    int seenWidth = 0, seenHeight = 0;
    do {
        seenWidth = GetSystemMetrics(SM_CXSCREEN);
        seenHeight = GetSystemMetrics(SM_CYSCREEN);
        if (seenWidth == width && seenHeight == height) return 0;
        Sleep(100);
    } while (GetTickCount() < end);
    std::printf("screen stays %d x %d\n", seenWidth, seenHeight);
    return 1;
}
