// The full-screen run: the window it opens, what ends it and what does not.
#include "tests/support/saver_stage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;

namespace {

class SaverRun : public testing::TestWithParam<SaverBuild> {};

TEST_P(SaverRun, OpensTitledWindowCoveringTheScreen) {
    SaverStage stage(GetParam());
    auto saver = stage.startSaver({"/s"});
    const auto window = stage.screen().waitForWindow("Orlinde Screensaver", 30s);
    ASSERT_TRUE(window) << "no window titled \"Orlinde Screensaver\"; stderr: " << saver->standardError();
    EXPECT_EQ(window->x, 0);
    EXPECT_EQ(window->y, 0);
    EXPECT_EQ(window->width, stage.screen().width());
    EXPECT_EQ(window->height, stage.screen().height());
}

TEST_P(SaverRun, MouseMotionAndWheelLeaveItRunning) {
    SaverStage stage(GetParam());
    auto saver = stage.startSaver({"/s"});
    ASSERT_TRUE(stage.screen().waitForWindow("Orlinde Screensaver", 30s));
    std::this_thread::sleep_for(500ms);
    for (int step = 0; step < 10; ++step) stage.screen().moveMouse(100 + step * 40, 100 + step * 30);
    stage.screen().pressAndReleaseButton(4);  // wheel up
    stage.screen().pressAndReleaseButton(5);  // wheel down
    EXPECT_FALSE(saver->waitFor(2s)) << "the saver ended on mouse motion or the wheel";
}

struct EndingInput {
    const char* name;
    const char* key;  // or nullptr for a button
    int button;
};

class SaverEnds : public testing::TestWithParam<std::tuple<SaverBuild, EndingInput>> {};

TEST_P(SaverEnds, OnKeyOrButtonWithStatusZero) {
    const auto [build, input] = GetParam();
    SaverStage stage(build);
    auto saver = stage.startSaver({"/s"});
    ASSERT_TRUE(stage.screen().waitForWindow("Orlinde Screensaver", 30s));
    std::this_thread::sleep_for(500ms);
    stage.screen().moveMouse(stage.screen().width() / 2, stage.screen().height() / 2);  // keys follow the pointer
    if (input.key != nullptr) {
        stage.screen().pressAndReleaseKey(input.key);
    } else {
        stage.screen().pressAndReleaseButton(input.button);
    }
    const auto status = saver->waitFor(10s);
    ASSERT_TRUE(status) << input.name << " did not end the saver";
    EXPECT_EQ(*status, 0);
}

INSTANTIATE_TEST_SUITE_P(Builds, SaverRun, testing::Values(SaverBuild::Linux, SaverBuild::Windows),
                         [](const auto& info) { return std::string(buildName(info.param)); });

INSTANTIATE_TEST_SUITE_P(
    Inputs, SaverEnds,
    testing::Combine(testing::Values(SaverBuild::Linux, SaverBuild::Windows),
                     testing::Values(EndingInput{"KeyA", "a", 0}, EndingInput{"Escape", "Escape", 0},
                                     EndingInput{"LeftButton", nullptr, 1}, EndingInput{"RightButton", nullptr, 3})),
    [](const auto& info) {
        return std::string(std::get<1>(info.param).name) + "_" + buildName(std::get<0>(info.param));
    });

}  // namespace
