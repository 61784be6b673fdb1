#include "app/message_box.h"

#include <cstdio>

void showMessageBox(const char* text, const char* caption, MessageIcon) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
}
