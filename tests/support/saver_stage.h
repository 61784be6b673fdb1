#pragma once

#include "tests/support/child_process.h"
#include "tests/support/private_xvfb.h"
#include "tests/support/x_screen.h"

#include <memory>
#include <string>
#include <vector>

// Which executable an end-to-end test drives: the native Linux build, or the Windows
// build under Wine (the 32-bit product where this kernel runs 32-bit code, else the
// x86_64 build of the same sources under wine64).
enum class SaverBuild { Linux, Windows };

const char* buildName(SaverBuild build);

// A private display with one saver build ready to start on it; for Windows also a
// wineserver of the stage's own. Everything is ended by PID when the stage goes.
class SaverStage {
public:
    // `xvfbArguments` go to the stage's X server too.
    explicit SaverStage(SaverBuild build, int width = 1280, int height = 1024,
                        const std::vector<std::string>& xvfbArguments = {});
    ~SaverStage();
    SaverStage(const SaverStage&) = delete;
    SaverStage& operator=(const SaverStage&) = delete;

    // Starts the saver with these command-line arguments.
    std::unique_ptr<ChildProcess> startSaver(const std::vector<std::string>& arguments,
                                             const std::vector<std::string>& environment = {});
    // Starts a test-only build of the saver (tests/variants) with these arguments.
    std::unique_ptr<ChildProcess> startVariant(const std::string& name, const std::vector<std::string>& arguments);
    // Starts a helper program from tools/: Linux builds take the native one, Windows
    // builds the one built with the Windows build, under the same wineserver.
    std::unique_ptr<ChildProcess> startTool(const std::string& name, const std::vector<std::string>& arguments);

    // The saver executable, and any path, as the stage's programs name them (under
    // Wine a DOS path on drive Z:), for helpers that start the saver themselves.
    std::string saverProgram() const;
    std::string programPath(const std::string& path) const;

    SaverBuild build() const { return build_; }
    XScreen& screen() { return *screen_; }
    const std::string& displayName() const { return xvfb_.displayName(); }
    // The environment every program of this stage gets (DISPLAY, and Wine's settings).
    const std::vector<std::string>& environment() const { return environment_; }

private:
    std::unique_ptr<ChildProcess> startBuilt(const std::string& linuxPath, const std::string& windowsPath,
                                             const std::vector<std::string>& arguments,
                                             const std::vector<std::string>& environment);
    std::unique_ptr<ChildProcess> start(std::vector<std::string> argv, const std::vector<std::string>& extra);

    SaverBuild build_;
    PrivateXvfb xvfb_;
    std::unique_ptr<XScreen> screen_;
    std::vector<std::string> environment_;
    std::string windowsBuildDir_;
    std::string wineLoader_;
    std::unique_ptr<ChildProcess> wineserver_;
};
