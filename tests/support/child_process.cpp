#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace {

std::string makeTempFile(const char* stem) {
    std::string path = std::string("/tmp/") + stem + "-XXXXXX";
    const int fd = mkstemp(path.data());
    if (fd < 0) throw std::runtime_error("cannot create a temporary file");
    close(fd);
    return path;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Entries "NAME=value" set NAME, a bare "NAME" removes it; later entries win.
std::vector<std::string> mergedEnvironment(const std::vector<std::string>& overrides) {
    const auto nameOf = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) result.emplace_back(*entry);
    for (const auto& o : overrides) {
        const std::string name = nameOf(o);
        result.erase(std::remove_if(result.begin(), result.end(), [&](const auto& e) { return nameOf(e) == name; }),
                     result.end());
        if (o.find('=') != std::string::npos) result.push_back(o);
    }
    return result;
}

}  // namespace

pid_t forkTiedToTest() {
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);  // the test ended before the signal was armed
    }
    return pid;
}

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::vector<std::string>& environment)
    : outPath_(makeTempFile("orlinde-out")), errPath_(makeTempFile("orlinde-err")) {
    std::vector<std::string> envText = mergedEnvironment(environment);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::vector<char*> env;
    for (auto& e : envText) env.push_back(e.data());
    env.push_back(nullptr);

    pid_ = forkTiedToTest();
    if (pid_ == 0) {
        const int devNull = open("/dev/null", O_RDONLY);
        const int out = open(outPath_.c_str(), O_WRONLY | O_TRUNC);
        const int err = open(errPath_.c_str(), O_WRONLY | O_TRUNC);
        dup2(devNull, 0);
        dup2(out, 1);
        dup2(err, 2);
        execve(args[0], args.data(), env.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    kill();
    unlink(outPath_.c_str());
    unlink(errPath_.c_str());
}

std::optional<int> ChildProcess::waitFor(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!status_) {
        int raw = 0;
        const pid_t done = waitpid(pid_, &raw, WNOHANG);
        if (done == pid_) {
            status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return status_;
}

bool ChildProcess::running() { return !waitFor(std::chrono::milliseconds(0)); }

void ChildProcess::kill() {
    if (pid_ <= 0 || status_) return;
    ::kill(pid_, SIGKILL);
    waitFor(std::chrono::seconds(10));
}

std::string ChildProcess::standardOutput() const { return readFile(outPath_); }

std::string ChildProcess::standardError() const { return readFile(errPath_); }
