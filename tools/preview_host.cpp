// A test helper standing in for a screensaver settings dialog on X11: a window with a
// 200 x 150 preview area, a saver started on it with "/p <window id>", and on request the
// preview area destroyed or unmapped, as a host does when it stops the preview.
//
// Usage: preview_host [--destroy-at-start] <control file> <saver program>
// Prints "preview <id> <x> <y>" (the preview window and its position on the screen),
// then, once the saver has ended, "saver <status> <ms>" (its exit status and the time
// from the request to its end, -1 without a request) and "host intact" or
// "host damaged: <what>". The control file, when it appears, holds "destroy" or "unmap".
// Gives up after 60 s.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPreviewWidth = 200;
constexpr int kPreviewHeight = 150;

int ignoreXError(Display*, XErrorEvent*) { return 0; }

pid_t startSaver(const char* program, Window preview) {
    const std::string id = std::to_string(preview);
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        execl(program, program, "/p", id.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

std::string request(const char* controlFile) {
    std::ifstream in(controlFile);
    std::string word;
    in >> word;
    return word;
}

std::string damage(Display* display, Window top, Window preview, bool previewDestroyed) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, top, &attributes)) return "the host window is gone";
    if (attributes.map_state != IsViewable) return "the host window is not shown";
    if (previewDestroyed) return {};
    if (!XGetWindowAttributes(display, preview, &attributes)) return "the preview window is gone";
    if (attributes.width != kPreviewWidth || attributes.height != kPreviewHeight) return "the preview was resized";
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    int arg = 1;
    const bool destroyAtStart = argc > arg && std::string(argv[arg]) == "--destroy-at-start";
    if (destroyAtStart) ++arg;
    if (argc - arg != 2) {
        std::fprintf(stderr, "usage: preview_host [--destroy-at-start] <control file> <saver program>\n");
        return 2;
    }
    const char* controlFile = argv[arg];
    const char* saverProgram = argv[arg + 1];

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    XSetErrorHandler(ignoreXError);
    const int screen = DefaultScreen(display);
    const Window top = XCreateSimpleWindow(display, RootWindow(display, screen), 40, 40, kPreviewWidth + 40,
                                           kPreviewHeight + 40, 0, 0, 0x808080);
    XStoreName(display, top, "Preview Host");
    // Magenta until the saver draws: the tests tell from it whether anything was drawn.
    const Window preview = XCreateSimpleWindow(display, top, 20, 20, kPreviewWidth, kPreviewHeight, 0, 0, 0xFF00FF);
    XSelectInput(display, preview, ButtonPressMask | KeyPressMask);  // the host's own input
    XMapWindow(display, preview);
    XMapWindow(display, top);
    XSync(display, False);
    int x = 0, y = 0;
    Window unused = 0;
    XTranslateCoordinates(display, preview, RootWindow(display, screen), 0, 0, &x, &y, &unused);
    std::printf("preview %lu %d %d\n", preview, x, y);
    std::fflush(stdout);

    const pid_t saver = startSaver(saverProgram, preview);
    bool destroyed = false;
    std::optional<Clock::time_point> requested;
    if (destroyAtStart) {
        XDestroyWindow(display, preview);
        XSync(display, False);
        destroyed = true;
    }

    int status = -1;
    const auto deadline = Clock::now() + std::chrono::seconds(60);
    while (Clock::now() < deadline) {
        int waitStatus = 0;
        if (waitpid(saver, &waitStatus, WNOHANG) == saver) {
            status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : 128 + WTERMSIG(waitStatus);
            break;
        }
        if (!requested) {
            const std::string word = request(controlFile);
            if (word == "destroy" || word == "unmap") {
                requested = Clock::now();
                if (word == "destroy") {
                    XDestroyWindow(display, preview);
                    destroyed = true;
                } else {
                    XUnmapWindow(display, preview);
                }
                XSync(display, False);
            }
        }
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const long long afterRequest =
        requested ? std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - *requested).count() : -1;
    std::printf("saver %d %lld\n", status, afterRequest);
    const std::string problem = damage(display, top, preview, destroyed);
    std::printf(problem.empty() ? "host intact\n" : "host damaged: %s\n", problem.c_str());
    std::fflush(stdout);
    if (status == -1) kill(saver, SIGKILL);
    XCloseDisplay(display);
    return 0;
}
