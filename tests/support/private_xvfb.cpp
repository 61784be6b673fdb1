#include "tests/support/private_xvfb.h"

#include "tests/support/child_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

PrivateXvfb::PrivateXvfb(int width, int height, const std::vector<std::string>& arguments)
    : width_(width), height_(height) {
    int ready[2];
    if (pipe(ready) != 0) throw std::runtime_error("pipe failed");
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    const std::string readyFd = std::to_string(ready[1]);
    std::vector<std::string> command = {"Xvfb", "-displayfd", readyFd, "-screen", "0", screen, "-nolisten", "tcp"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : command) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_ = forkTiedToTest();
    if (pid_ == 0) {
        close(ready[0]);
        freopen("/dev/null", "w", stderr);
        // -displayfd: the server picks a free display and writes its number once it accepts clients.
        execvp("Xvfb", argv.data());
        _exit(127);
    }
    close(ready[1]);
    // Read up to the line end: the server treats a reader that goes early as fatal.
    std::string number;
    pollfd wait{ready[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 20000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n') number += c;
    close(ready[0]);
    if (number.empty() || c != '\n') {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        throw std::runtime_error("Xvfb did not start");
    }
    displayName_ = ":" + number;
}

PrivateXvfb::~PrivateXvfb() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}
