#pragma once

enum class MessageIcon { Information, Exclamation };

// A modal box with an OK button and no owner window; returns once it is dismissed.
// On Linux, where a screensaver host shows the hack's stderr, it is one line there:
// "caption: text".
void showMessageBox(const char* text, const char* caption, MessageIcon icon);
