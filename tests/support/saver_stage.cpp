#include "tests/support/saver_stage.h"

#include "tests/support/test_paths.h"

#include <cstdio>
#include <stdexcept>

namespace {

std::string commandOutput(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) text += buffer;
        pclose(pipe);
    }
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

}  // namespace

const char* buildName(SaverBuild build) { return build == SaverBuild::Linux ? "Linux" : "Windows"; }

SaverStage::SaverStage(SaverBuild build, int width, int height, const std::vector<std::string>& xvfbArguments)
    : build_(build), xvfb_(width, height, xvfbArguments) {
    screen_ = std::make_unique<XScreen>(xvfb_.displayName());
    environment_.push_back("DISPLAY=" + xvfb_.displayName());
    if (build_ == SaverBuild::Linux) return;

    const std::string windowsBuild = commandOutput(sourceDir() + "/scripts/windows-test-build");
    const bool wine64 = windowsBuild == "windows64";
    windowsBuildDir_ = sourceDir() + "/build/" + windowsBuild;
    wineLoader_ = wine64 ? "/usr/lib/wine/wine64" : "/usr/lib/wine/wine";
    const std::string bits = wine64 ? "64" : "32";
    if (std::system((sourceDir() + "/scripts/wine-prefix --bits " + bits + " >/dev/null").c_str()) != 0) {
        throw std::runtime_error("cannot create the Wine prefix");
    }
    environment_.push_back("WINEPREFIX=" + sourceDir() + "/build/wineprefix" + bits);
    environment_.push_back(wine64 ? "WINEARCH=win64" : "WINEARCH=win32");
    environment_.push_back("WINEDEBUG=-all");
    environment_.push_back("WINEDLLOVERRIDES=mscoree,mshtml=;winemenubuilder.exe=d");
    wineserver_ = std::make_unique<ChildProcess>(std::vector<std::string>{"/usr/lib/wine/wineserver", "-f", "-p"},
                                                 environment_);
    // The prefix remembers the previous test's screen; wait until Wine has seen this one.
    auto wait = startTool("screen_size_wait", {std::to_string(width), std::to_string(height), "30"});
    const auto status = wait->waitFor(std::chrono::seconds(40));
    if (!status || *status != 0) {
        throw std::runtime_error("Wine does not see the " + std::to_string(width) + " x " + std::to_string(height) +
                                 " screen: " + wait->standardOutput());
    }
}

SaverStage::~SaverStage() {
    if (wineserver_ && wineserver_->running()) {
        // The server ends every Wine process it serves (services.exe and the like leave
        // our process tree), then it is ended by its PID.
        ChildProcess stop({"/usr/lib/wine/wineserver", "-k"}, environment_);
        stop.waitFor(std::chrono::seconds(20));
        wineserver_->waitFor(std::chrono::seconds(5));
    }
}

std::unique_ptr<ChildProcess> SaverStage::start(std::vector<std::string> argv, const std::vector<std::string>& extra) {
    std::vector<std::string> environment = environment_;
    environment.insert(environment.end(), extra.begin(), extra.end());
    return std::make_unique<ChildProcess>(argv, environment);
}

std::unique_ptr<ChildProcess> SaverStage::startBuilt(const std::string& linuxPath, const std::string& windowsPath,
                                                     const std::vector<std::string>& arguments,
                                                     const std::vector<std::string>& environment) {
    std::vector<std::string> argv;
    if (build_ == SaverBuild::Linux) {
        argv.push_back(linuxBuildDir() + "/" + linuxPath);
    } else {
        argv.push_back(wineLoader_);
        argv.push_back(windowsBuildDir_ + "/" + windowsPath);
    }
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return start(argv, environment);
}

std::string SaverStage::saverProgram() const {
    return programPath(build_ == SaverBuild::Linux ? linuxBuildDir() + "/orlinde-saver"
                                                   : windowsBuildDir_ + "/Orlinde.scr");
}

std::string SaverStage::programPath(const std::string& path) const {
    if (build_ == SaverBuild::Linux) return path;
    std::string dos = "Z:" + path;
    for (char& c : dos) {
        if (c == '/') c = '\\';
    }
    return dos;
}

std::unique_ptr<ChildProcess> SaverStage::startSaver(const std::vector<std::string>& arguments,
                                                     const std::vector<std::string>& environment) {
    return startBuilt("orlinde-saver", "Orlinde.scr", arguments, environment);
}

std::unique_ptr<ChildProcess> SaverStage::startVariant(const std::string& name,
                                                       const std::vector<std::string>& arguments) {
    return startBuilt("variants/" + name, "variants/" + name + ".exe", arguments, {});
}

std::unique_ptr<ChildProcess> SaverStage::startTool(const std::string& name, const std::vector<std::string>& arguments) {
    return startBuilt("tools/" + name, "tools/" + name + ".exe", arguments, {});
}
