#pragma once

// Hands the address to the user's browser and returns without waiting for it; a failure
// shows nothing. `ownerWindow` is the native window asking (Win32 uses it for any box
// the shell shows).
void openWebPage(void* ownerWindow, const char* address);
