// Start-up failures: the box the user sees, and a clean exit with status 0.
#include "tests/support/saver_stage.h"

#include <gtest/gtest.h>

#include <cctype>
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

// Waits for a saver run that is to fail at start and returns the message boxes it showed,
// as "caption: text" lines: on Linux its stderr, on Windows what the box reader saw.
std::vector<std::string> boxesOfFailedStart(SaverStage& stage, std::unique_ptr<ChildProcess> reader,
                                            std::unique_ptr<ChildProcess> saver) {
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

std::unique_ptr<ChildProcess> boxReader(SaverStage& stage) {
    return stage.build() == SaverBuild::Windows ? stage.startTool("message_box_reader", {"60"}) : nullptr;
}

std::vector<std::string> boxesOfFailedStart(SaverStage& stage, const std::vector<std::string>& arguments,
                                            const std::vector<std::string>& environment = {}) {
    auto reader = boxReader(stage);
    return boxesOfFailedStart(stage, std::move(reader), stage.startSaver(arguments, environment));
}

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

// Builds of the saver whose resources are broken (tests/variants).
struct BrokenResources {
    const char* variant;
    const char* lastBox;
    bool compileLogFirst;
    const char* neverShown;
};

class SaverWithBrokenResources : public testing::TestWithParam<std::tuple<SaverBuild, BrokenResources>> {};

TEST_P(SaverWithBrokenResources, ShowsWhyAndExitsWithZero) {
    const auto [build, broken] = GetParam();
    SaverStage stage(build);
    auto reader = boxReader(stage);
    const auto boxes = boxesOfFailedStart(stage, std::move(reader), stage.startVariant(broken.variant, {"/s"}));
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back(), broken.lastBox);
    if (broken.compileLogFirst) {
        // The driver's log comes first, in a box of its own with the same caption.
        ASSERT_GE(boxes.size(), 2u);
        EXPECT_EQ(boxes.front().rfind("Debug: ", 0), 0u) << boxes.front();
        EXPECT_NE(boxes.front(), broken.lastBox);
        EXPECT_NE(boxes.front().find("undeclared"), std::string::npos) << boxes.front();
    }
    for (const auto& box : boxes) EXPECT_EQ(box.find(broken.neverShown), std::string::npos) << box;
}

INSTANTIATE_TEST_SUITE_P(
    Variants, SaverWithBrokenResources,
    testing::Combine(
        testing::Values(SaverBuild::Linux, SaverBuild::Windows),
        testing::Values(
            // The fragment text is broken too: compiling it would show its own error.
            BrokenResources{"saver_bad_vertex", "Debug: Vertex shader compilation error", true, "Fragment shader"},
            BrokenResources{"saver_bad_fragment", "Debug: Fragment shader compilation error", true, "Vertex shader"},
            BrokenResources{"saver_empty_mesh", "Debug: Failed to load mesh", false, "shader"},
            BrokenResources{"saver_bad_number", "Debug: Failed to load mesh", false, "shader"},
            BrokenResources{"saver_bad_index", "Debug: Failed to load mesh", false, "shader"})),
    [](const auto& info) {
        // saver_bad_vertex -> BadVertex
        const std::string variant = std::get<1>(info.param).variant;
        std::string name;
        bool upper = true;
        for (const char c : variant.substr(variant.find('_') + 1)) {
            if (c == '_') {
                upper = true;
                continue;
            }
            name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
            upper = false;
        }
        return name + "_" + buildName(std::get<0>(info.param));
    });

INSTANTIATE_TEST_SUITE_P(Builds, SaverFailureWithoutDisplay, testing::Values(SaverBuild::Linux),
                         [](const auto& info) { return std::string(buildName(info.param)); });
INSTANTIATE_TEST_SUITE_P(Builds, SaverFailure, testing::Values(SaverBuild::Linux, SaverBuild::Windows),
                         [](const auto& info) { return std::string(buildName(info.param)); });

}  // namespace
