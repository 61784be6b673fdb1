// A test helper for the Windows build under Wine: makes winebrowser, which opens web
// addresses for ShellExecute, start this Unix program instead of a real browser.
// Usage: wine_browser_setting <unix program path>
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return 1;
    }
    const LONG status = RegSetValueExA(key, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(argv[1]),
                                       static_cast<DWORD>(std::strlen(argv[1]) + 1));
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 0 : 1;
}
