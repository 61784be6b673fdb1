#include "about/about_content.h"

namespace about {

const char* const kTitle = "About";
const char* const kClassName = "BrevantaWindowClass";
const char* const kCaptionText = "Orlinde Screensaver";
const char* const kButtonText = "Visit website";
const char* const kNoticeText =
    "Copyright (C) 2019-2026 Orlinde. All rights reserved.\r\n"
    "More screensavers at orlinde.example\r\n"
    "Support: support@orlinde.example";
const char* const kWebPage = "https://orlinde.example/?utm_source=About";

int centredOrigin(int screenExtent, int windowExtent) {
    // In double and truncated toward zero, so a screen smaller than the window gives the
    // same negative origin on every platform.
    return static_cast<int>((screenExtent - windowExtent) * 0.5);
}

}  // namespace about
