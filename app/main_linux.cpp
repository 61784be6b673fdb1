#include "app/saver_entry.h"

#include <string>

// The arguments joined with single spaces give the same narrow command line that
// Windows hands to WinMain, so "/p 1234" and "/p" "1234" both work.
int main(int argc, char** argv) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return runSaverEntry(commandLine.c_str(), nullptr, 0);
}
