#include "app/saver_entry.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previousInstance*/, LPSTR commandLine, int showCommand) {
    return runSaverEntry(commandLine, instance, showCommand);
}
