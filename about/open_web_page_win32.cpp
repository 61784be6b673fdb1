#include "about/open_web_page.h"

#include <windows.h>
#include <shellapi.h>

void openWebPage(void* ownerWindow, const char* address) {
    ShellExecuteA(static_cast<HWND>(ownerWindow), "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}
