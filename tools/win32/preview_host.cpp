// A test helper standing in for the Display Settings dialog: a window with a 200 x 150
// preview child, a saver started on it with "/p <handle>", and on request the child
// disabled (what the dialog does to stop a preview) or destroyed.
//
// Usage: preview_host [--destroy-at-start] <control file> <saver program>
// Prints "preview <handle> 0 0", then, once the saver has ended, "saver <status> <ms>"
// (its exit code and the time from the request to its end, -1 without a request) and
// "host intact" or "host damaged: <what>". The control file, when it appears, holds
// "disable" or "destroy". Gives up after 60 s.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr int kPreviewWidth = 200;
constexpr int kPreviewHeight = 150;

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeWindow(const wchar_t* title, DWORD style, HWND parent, int x, int y, int width, int height) {
    return CreateWindowExW(0, L"OrlindePreviewHost", title, style, x, y, width, height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::string request(const char* controlFile) {
    char word[16] = {};
    if (FILE* in = std::fopen(controlFile, "r")) {
        if (std::fscanf(in, "%15s", word) != 1) word[0] = '\0';
        std::fclose(in);
    }
    return word;
}

std::string damage(HWND top, HWND preview, bool previewDestroyed) {
    if (!IsWindow(top)) return "the host window is gone";
    if (previewDestroyed) return {};
    if (!IsWindow(preview)) return "the preview window is gone";
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(preview, GWLP_WNDPROC)) != hostProc) {
        return "the preview has another window procedure";
    }
    if (GetPropW(preview, L"GLFW") != nullptr) return "the preview still has the library's property";
    RECT client{};
    GetClientRect(preview, &client);
    if (client.right != kPreviewWidth || client.bottom != kPreviewHeight) return "the preview was resized";
    return {};
}

void pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
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

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = hostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"OrlindePreviewHost";
    RegisterClassExW(&wc);
    HWND top = makeWindow(L"Preview Host", WS_POPUP | WS_VISIBLE, nullptr, 40, 40, kPreviewWidth + 40,
                          kPreviewHeight + 40);
    HWND preview = makeWindow(L"", WS_CHILD | WS_VISIBLE, top, 20, 20, kPreviewWidth, kPreviewHeight);
    pump();
    // A handle is 32 bits wide on every Windows; it travels as a signed decimal number.
    const long handle = static_cast<long>(reinterpret_cast<std::intptr_t>(preview));
    std::printf("preview %ld 0 0\n", handle);
    std::fflush(stdout);

    std::string commandLine = "\"" + std::string(saverProgram) + "\" /p " + std::to_string(handle);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION saver{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &saver)) {
        std::printf("saver not started: error %lu\n", GetLastError());
        return 1;
    }
    bool destroyed = false;
    if (destroyAtStart) {
        DestroyWindow(preview);
        destroyed = true;
    }

    DWORD requestedAt = 0;
    bool requested = false;
    DWORD status = static_cast<DWORD>(-1);
    const DWORD deadline = GetTickCount() + 60000;
    while (static_cast<LONG>(deadline - GetTickCount()) > 0) {
        if (MsgWaitForMultipleObjects(1, &saver.hProcess, FALSE, 5, QS_ALLINPUT) == WAIT_OBJECT_0) {
            GetExitCodeProcess(saver.hProcess, &status);
            break;
        }
        pump();
        if (!requested) {
            const std::string word = request(controlFile);
            if (word == "disable" || word == "destroy") {
                requested = true;
                requestedAt = GetTickCount();
                if (word == "disable") {
                    EnableWindow(preview, FALSE);
                } else {
                    DestroyWindow(preview);
                    destroyed = true;
                }
            }
        }
    }
    pump();
    const long afterRequest = requested ? static_cast<long>(GetTickCount() - requestedAt) : -1;
    std::printf("saver %ld %ld\n", static_cast<long>(status), afterRequest);
    const std::string problem = damage(top, preview, destroyed);
    std::printf(problem.empty() ? "host intact\n" : "host damaged: %s\n", problem.c_str());
    std::fflush(stdout);
    if (status == static_cast<DWORD>(-1)) TerminateProcess(saver.hProcess, 1);
    return 0;
}
