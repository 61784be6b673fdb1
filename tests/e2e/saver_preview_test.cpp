// The preview: started by a host with "/p <window>", drawing into the host's window
// without a window of its own, and ending when the host stops the preview.
#include "tests/support/galaxy_look.h"
#include "tests/support/saver_stage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr Rgb kUndrawn{255, 0, 255};  // the host's preview before anything is drawn

// Wine sets a GL pixel format on another process's child window only when the X server
// lacks XComposite (the drawing then stays off screen): without it a Windows preview
// could not run in a host of another process at all here.
std::vector<std::string> previewServer(SaverBuild build) {
    return build == SaverBuild::Windows ? std::vector<std::string>{"-extension", "Composite"}
                                        : std::vector<std::string>{};
}

// One preview host with its saver; the host reports on its stdout.
class PreviewHost {
public:
    explicit PreviewHost(SaverStage& stage, const std::vector<std::string>& options = {}) {
        char folder[] = "/tmp/orlinde-preview-XXXXXX";
        if (mkdtemp(folder) != nullptr) folder_ = folder;
        controlFile_ = folder_ + "/request";
        std::vector<std::string> arguments = options;
        arguments.push_back(stage.programPath(controlFile_));
        arguments.push_back(stage.saverProgram());
        process_ = stage.startTool("preview_host", arguments);
    }
    ~PreviewHost() {
        process_->kill();
        std::remove(controlFile_.c_str());
        std::remove(folder_.c_str());
    }

    // The preview window's handle and its position on the screen, once the host shows it.
    bool waitForPreview(std::chrono::seconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < deadline) {
            std::istringstream line(lineStartingWith("preview "));
            std::string word;
            if (line >> word >> handle >> x >> y) return true;
            if (!process_->running()) return false;
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }
    void request(const std::string& word) { std::ofstream(controlFile_) << word << "\n"; }

    // The saver's exit status and the milliseconds from the request to its end, once
    // the host has seen it end.
    struct SaverEnd {
        int status = -1;
        long milliseconds = -1;
    };
    std::optional<SaverEnd> waitForSaverEnd(std::chrono::seconds timeout) {
        if (!process_->waitFor(timeout)) return std::nullopt;
        std::istringstream line(lineStartingWith("saver "));
        std::string word;
        SaverEnd end;
        if (!(line >> word >> end.status >> end.milliseconds)) return std::nullopt;
        return end;
    }
    bool saverRunning() { return process_->running() && lineStartingWith("saver ").empty(); }
    std::string verdictOnHost() { return lineStartingWith("host "); }
    std::string output() const { return process_->standardOutput() + process_->standardError(); }

    long handle = 0;
    int x = 0, y = 0;

private:
    std::string lineStartingWith(const std::string& start) const {
        std::istringstream text(process_->standardOutput());
        for (std::string line; std::getline(text, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.rfind(start, 0) == 0) return line;
        }
        return {};
    }

    std::string folder_ = "/tmp";
    std::string controlFile_;
    std::unique_ptr<ChildProcess> process_;
};

Rgb previewPixel(const ScreenImage& image, const PreviewHost& host, int px, int py) {
    return image.at(host.x + px, host.y + py);
}

// Waits until the saver has drawn into the preview (Linux only: under Wine another
// process's drawing does not reach the screen).
std::optional<ScreenImage> waitForDrawnPreview(SaverStage& stage, const PreviewHost& host) {
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (std::chrono::steady_clock::now() < deadline) {
        ScreenImage image = stage.screen().capture();
        if (!(previewPixel(image, host, 100, 75) == kUndrawn)) return image;
        std::this_thread::sleep_for(100ms);
    }
    return std::nullopt;
}

std::unique_ptr<ChildProcess> startBoxReader(SaverStage& stage) {
    return stage.build() == SaverBuild::Windows ? stage.startTool("message_box_reader", {"120"}) : nullptr;
}

std::string boxesSeen(const std::unique_ptr<ChildProcess>& reader) {
    return reader ? reader->standardOutput() : std::string();
}

struct StopCase {
    SaverBuild build;
    const char* request;  // what the host does to its preview window
};

class PreviewStops : public testing::TestWithParam<StopCase> {};

TEST_P(PreviewStops, RunsInTheHostWindowOnlyAndEndsWhenTheHostStopsIt) {
    SaverStage stage(GetParam().build, 640, 480, previewServer(GetParam().build));
    auto reader = startBoxReader(stage);
    PreviewHost host(stage);
    ASSERT_TRUE(host.waitForPreview(60s)) << host.output();
    if (stage.build() == SaverBuild::Linux) {
        ASSERT_TRUE(waitForDrawnPreview(stage, host)) << "nothing was drawn into the preview; " << host.output();
    } else {
        std::this_thread::sleep_for(8s);  // starting under Wine takes a while
    }

    ASSERT_TRUE(host.saverRunning()) << host.output() << boxesSeen(reader);
    EXPECT_EQ(stage.screen().shownTopLevelWindows().size(), 1u) << "a window besides the host's is shown";
    EXPECT_FALSE(stage.screen().waitForWindow("Orlinde Screensaver", 0ms));
    EXPECT_EQ(boxesSeen(reader), "");

    host.request(GetParam().request);
    const auto end = host.waitForSaverEnd(60s);
    ASSERT_TRUE(end) << "the saver did not end; " << host.output();
    EXPECT_EQ(end->status, 0);
    // A frame takes milliseconds; the bound leaves room for a loaded machine and Wine.
    EXPECT_LT(end->milliseconds, 3000) << "the saver ended long after the host stopped the preview";
    EXPECT_EQ(host.verdictOnHost(), "host intact");
}

INSTANTIATE_TEST_SUITE_P(Requests, PreviewStops,
                         testing::Values(StopCase{SaverBuild::Linux, "destroy"}, StopCase{SaverBuild::Linux, "unmap"},
                                         StopCase{SaverBuild::Windows, "disable"},
                                         StopCase{SaverBuild::Windows, "destroy"}),
                         [](const auto& info) {
                             return std::string(info.param.request) + "_" + buildName(info.param.build);
                         });

class Preview : public testing::TestWithParam<SaverBuild> {};

TEST_P(Preview, SecondPreviewExitsThroughTheGuard) {
    SaverStage stage(GetParam(), 640, 480, previewServer(GetParam()));
    PreviewHost host(stage);
    ASSERT_TRUE(host.waitForPreview(60s)) << host.output();
    std::this_thread::sleep_for(stage.build() == SaverBuild::Linux ? 1s : 8s);
    ASSERT_TRUE(host.saverRunning()) << host.output();

    auto second = stage.startSaver({"/p", std::to_string(host.handle)});
    const auto status = second->waitFor(30s);
    ASSERT_TRUE(status) << "the second preview did not end";
    EXPECT_EQ(*status, 0);
    EXPECT_EQ(second->standardError(), "") << "the second preview got further than the guard";
    EXPECT_TRUE(host.saverRunning()) << "the first preview ended";
}

TEST_P(Preview, HostWindowDestroyedWhileTheSaverStartsEndsQuietly) {
    SaverStage stage(GetParam(), 640, 480, previewServer(GetParam()));
    auto reader = startBoxReader(stage);
    PreviewHost host(stage, {"--destroy-at-start"});
    ASSERT_TRUE(host.waitForPreview(60s)) << host.output();
    const auto end = host.waitForSaverEnd(90s);
    ASSERT_TRUE(end) << "the saver did not end; " << host.output() << boxesSeen(reader);
    EXPECT_EQ(end->status, 0) << host.output();
    EXPECT_FALSE(stage.screen().waitForWindow("Orlinde Screensaver", 0ms));
    // Either it never got the window ("Failed to open window") or it lost it running.
    const std::string boxes = stage.build() == SaverBuild::Linux ? host.output() : boxesSeen(reader);
    if (boxes.find("Debug:") != std::string::npos) {
        EXPECT_NE(boxes.find("Debug: Failed to open window"), std::string::npos) << boxes;
    }
}

INSTANTIATE_TEST_SUITE_P(Builds, Preview, testing::Values(SaverBuild::Linux, SaverBuild::Windows),
                         [](const auto& info) { return std::string(buildName(info.param)); });

// The picture, across processes: only X11 lets one client's drawing reach another's
// window (under Wine the in-process GL test checks it).
class PreviewPicture : public testing::TestWithParam<SaverBuild> {};

TEST_P(PreviewPicture, HostWindowShowsTheGalaxy) {
    SaverStage stage(GetParam(), 640, 480, previewServer(GetParam()));
    PreviewHost host(stage);
    ASSERT_TRUE(host.waitForPreview(60s)) << host.output();
    ASSERT_TRUE(waitForDrawnPreview(stage, host));
    std::this_thread::sleep_for(500ms);
    const ScreenImage image = stage.screen().capture();
    EXPECT_EQ(galaxyProblem(200, 150,
                            [&](int px, int py) {
                                const Rgb p = previewPixel(image, host, px, py);
                                return PixelRgb{p.r, p.g, p.b};
                            }),
              "");
}

INSTANTIATE_TEST_SUITE_P(Builds, PreviewPicture, testing::Values(SaverBuild::Linux),
                         [](const auto& info) { return std::string(buildName(info.param)); });

}  // namespace
