// The single-instance guard: switch-less and unknown-switch runs take it, /s does not.
#include "tests/support/saver_stage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace std::chrono_literals;

namespace {

std::size_t saverWindowCount(XScreen& screen) {
    const auto windows = screen.titledWindows();
    return static_cast<std::size_t>(std::count_if(
        windows.begin(), windows.end(), [](const ScreenWindow& w) { return w.title == "Orlinde Screensaver"; }));
}

class SaverGuard : public testing::TestWithParam<std::tuple<SaverBuild, const char*>> {};

TEST_P(SaverGuard, SecondGuardedRunExitsAndSaverRunStillStarts) {
    const auto [build, guardedSwitch] = GetParam();
    const std::vector<std::string> guardedArgs =
        std::string(guardedSwitch).empty() ? std::vector<std::string>{} : std::vector<std::string>{guardedSwitch};
    SaverStage stage(build);

    auto first = stage.startSaver(guardedArgs);
    ASSERT_TRUE(stage.screen().waitForWindow("Orlinde Screensaver", 30s)) << "the first run opened no window";
    const auto firstWindow = stage.screen().waitForWindow("Orlinde Screensaver", 1s);
    ASSERT_TRUE(firstWindow);
    EXPECT_EQ(firstWindow->width, stage.screen().width()) << "the guarded run is not full screen";

    auto second = stage.startSaver(guardedArgs);
    std::optional<int> status;
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!(status = second->waitFor(100ms)) && std::chrono::steady_clock::now() < deadline) {
        ASSERT_EQ(saverWindowCount(stage.screen()), 1u) << "the second guarded run opened a window";
    }
    ASSERT_TRUE(status) << "the second guarded run did not end";
    EXPECT_EQ(*status, 0);
    EXPECT_TRUE(first->running());

    auto unguarded = stage.startSaver({"/s"});
    const auto until = std::chrono::steady_clock::now() + 30s;
    while (saverWindowCount(stage.screen()) < 2 && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(saverWindowCount(stage.screen()), 2u) << "an /s run did not start next to the guarded one";
    EXPECT_TRUE(unguarded->running());
}

INSTANTIATE_TEST_SUITE_P(Switches, SaverGuard,
                         testing::Combine(testing::Values(SaverBuild::Linux, SaverBuild::Windows),
                                          testing::Values("", "/S")),
                         [](const auto& info) {
                             const std::string sw = std::get<1>(info.param);
                             return (sw.empty() ? std::string("NoSwitch") : std::string("UpperS")) + "_" +
                                    buildName(std::get<0>(info.param));
                         });

}  // namespace
