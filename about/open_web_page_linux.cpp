#include "about/open_web_page.h"

#include "about/browser_command.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

void openWebPage(void* /*ownerWindow*/, const char* address) {
    const std::string command = about::browserShellCommand(std::getenv("BROWSER"));
    // Two forks: the browser is adopted by init, so nobody has to wait for it and no
    // zombie is left while the window stays open.
    const pid_t child = fork();
    if (child == 0) {
        if (fork() == 0) {
            setsid();
            execl("/bin/sh", "sh", "-c", command.c_str(), "sh", address, static_cast<char*>(nullptr));
        }
        _exit(0);
    }
    if (child > 0) waitpid(child, nullptr, 0);
}
