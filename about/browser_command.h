#pragma once

#include <string>

namespace about {

// The shell command that opens the page given to it as "$1": the first entry of a
// $BROWSER list (entries separated by ':'; "%s" marks where the address goes, else it
// comes last), or xdg-open when the variable is unset or its first entry is empty. The
// address itself never becomes part of the command text, so nothing in it is interpreted
// by the shell.
std::string browserShellCommand(const char* browserVariable);

}  // namespace about
