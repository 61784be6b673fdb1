// Start-up failures: the box the user sees, and a clean exit with status 0.
#include "tests/support/saver_stage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

using namespace std::chrono_literals;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) result.push_back(line);
    }
    return result;
}

// Runs the saver with these arguments and returns the message boxes it showed, as
// "caption: text" lines: on Linux its stderr, on Windows what the box reader saw.
std::vector<std::string> boxesOfFailedStart(SaverStage& stage, const std::vector<std::string>& arguments,
                                            const std::vector<std::string>& environment = {}) {
    std::unique_ptr<ChildProcess> reader;
    if (stage.build() == SaverBuild::Windows) reader = stage.startTool("message_box_reader", {"60"});
    auto saver = stage.startSaver(arguments, environment);
    const auto status = saver->waitFor(60s);
    EXPECT_TRUE(status) << "the saver did not end";
    if (status) {
        EXPECT_EQ(*status, 0);
    }
    EXPECT_FALSE(stage.screen().waitForWindow("Orlinde Screensaver", 0ms)) << "a saver window is left";
    if (!reader) return lines(saver->standardError());
    reader->kill();
    return lines(reader->standardOutput());
}

class SaverFailure : public testing::TestWithParam<SaverBuild> {};

// 0, and a handle that names no window (beyond the ids an X server hands out, and no
// HWND either): the library says why, then the saver's own box, and nothing is drawn.
TEST_P(SaverFailure, PreviewOfNoWindowShowsFailedToOpenWindow) {
    for (const char* handle : {"0", "2147483000"}) {
        SaverStage stage(GetParam());
        const auto boxes = boxesOfFailedStart(stage, {"/p", handle});
        ASSERT_EQ(boxes.size(), 2u) << handle;
        EXPECT_EQ(boxes.front().rfind("Error: ", 0), 0u) << boxes.front();
        EXPECT_EQ(boxes.back(), "Debug: Failed to open window");
        EXPECT_TRUE(stage.screen().shownTopLevelWindows().empty()) << handle;
    }
}

// Only the Linux build can be started without a display; Wine cannot.
class SaverFailureWithoutDisplay : public testing::TestWithParam<SaverBuild> {};

TEST_P(SaverFailureWithoutDisplay, ReportsLibraryStartAndWindow) {
    SaverStage stage(GetParam());
    const auto boxes = boxesOfFailedStart(stage, {"/s"}, {"DISPLAY"});
    ASSERT_GE(boxes.size(), 3u);
    EXPECT_EQ(boxes.front().rfind("Error: ", 0), 0u) << boxes.front();  // the library's own reason first
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), "Debug: Failed to initialize GLFW"), boxes.end());
    EXPECT_EQ(boxes.back(), "Debug: Failed to open window");
}

INSTANTIATE_TEST_SUITE_P(Builds, SaverFailureWithoutDisplay, testing::Values(SaverBuild::Linux),
                         [](const auto& info) { return std::string(buildName(info.param)); });
INSTANTIATE_TEST_SUITE_P(Builds, SaverFailure, testing::Values(SaverBuild::Linux, SaverBuild::Windows),
                         [](const auto& info) { return std::string(buildName(info.param)); });

}  // namespace
