#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// fork() for a program a test starts: the child is killed when the test process dies.
// Returns as fork() does.
pid_t forkTiedToTest();

// A program a test starts. Its output goes to temporary files, read after it ends. It is
// ended by its PID when the object goes (and by the kernel if the test process dies).
class ChildProcess {
public:
    // `environment` entries "NAME=value" set NAME for the program, a bare "NAME" unsets it.
    ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }

    // The exit status once the program has ended within the timeout (128 + signal number
    // when a signal ended it), or nothing while it still runs.
    std::optional<int> waitFor(std::chrono::milliseconds timeout);
    bool running();
    void kill();

    std::string standardOutput() const;
    std::string standardError() const;

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
    std::string outPath_;
    std::string errPath_;
};
