// A test helper for the Windows build: reads every message box that appears on the
// desktop, prints it as one line "caption: text" and presses its OK button.
// Usage: message_box_reader <seconds>   (ends after that many seconds)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string_view>

namespace {

std::set<HWND> seen;

BOOL CALLBACK readBox(HWND window, LPARAM) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string_view(className) != "#32770" || !IsWindowVisible(window) || seen.count(window) != 0) return TRUE;
    char caption[256] = {};
    char text[4096] = {};
    GetWindowTextA(window, caption, sizeof caption);
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // the message box's static text
    std::printf("%s: %s\n", caption, text);
    std::fflush(stdout);
    seen.insert(window);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    const DWORD seconds = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 30;
    const DWORD end = GetTickCount() + seconds * 1000;
    while (GetTickCount() < end) {
        EnumWindows(readBox, 0);
        Sleep(50);
    }
    return 0;
}
