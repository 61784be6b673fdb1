#include "app/message_box.h"

#include <windows.h>

void showMessageBox(const char* text, const char* caption, MessageIcon icon) {
    const UINT iconFlag = icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : MB_ICONINFORMATION;
    MessageBoxA(nullptr, text, caption, MB_OK | iconFlag);
}
