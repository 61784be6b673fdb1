#include "about/browser_command.h"

#include <string_view>

namespace about {

std::string browserShellCommand(const char* browserVariable) {
    std::string_view entry = browserVariable != nullptr ? browserVariable : "";
    entry = entry.substr(0, entry.find(':'));
    if (entry.empty()) return "exec xdg-open \"$1\"";

    std::string command;
    bool placed = false;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (entry[i] == '%' && i + 1 < entry.size() && entry[i + 1] == 's') {
            command += "\"$1\"";
            placed = true;
            ++i;
        } else {
            command += entry[i];
        }
    }
    if (!placed) command += " \"$1\"";
    return "exec " + command;
}

}  // namespace about
