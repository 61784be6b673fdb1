// A test helper for the Windows build: waits for the top-level window with this title
// and prints where Windows says it is, since without a window manager the X side shows
// only its client area.
// Usage: window_rect_reader <title> <seconds>
// Prints "outer <left> <top> <right> <bottom>" and "client <x> <y> <width> <height>"
// (client origin in screen coordinates); ends with 1 if no such window appeared.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const DWORD seconds = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 30;
    const DWORD end = GetTickCount() + seconds * 1000;
    HWND window = nullptr;
    while ((window = FindWindowA(nullptr, argv[1])) == nullptr && GetTickCount() < end) Sleep(50);
    if (window == nullptr) return 1;
    RECT outer{};
    RECT client{};
    POINT origin{0, 0};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    ClientToScreen(window, &origin);
    std::printf("outer %ld %ld %ld %ld\n", outer.left, outer.top, outer.right, outer.bottom);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right - client.left, client.bottom - client.top);
    return 0;
}
