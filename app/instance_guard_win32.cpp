#include "app/instance_guard.h"

#include <windows.h>

#include <string>

InstanceGuard holdInstanceGuard(const char* name) {
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, wideName.c_str());
    if (event == nullptr) return InstanceGuard::Unavailable;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(event);
        return InstanceGuard::HeldElsewhere;
    }
    // The handle stays open, unstored: the event lives exactly as long as this process.
    return InstanceGuard::Held;
}
