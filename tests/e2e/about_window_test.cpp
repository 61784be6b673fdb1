// The About window of /c on both builds: where it opens, what it shows, the button that
// hands the maker's page to the browser, and that only closing it ends the run (status 0).
#include "tests/support/saver_stage.h"
#include "tests/support/test_paths.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

using namespace std::chrono_literals;

namespace {

constexpr const char* kPage = "https://orlinde.example/?utm_source=About";
constexpr int kPictureX = 142, kPictureY = 55;
const Rgb kBackground{177, 232, 179};

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The committed picture, rows top down.
ScreenImage aboutPicture() {
    const std::string bmp = fileText(sourceDir() + "/resources/about_galaxy.bmp");
    const auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bmp.at(at))) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp.at(at + 1))) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp.at(at + 2))) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bmp.at(at + 3))) << 24;
    };
    ScreenImage picture;
    picture.width = static_cast<int>(u32(18));
    picture.height = static_cast<int>(u32(22));
    const std::size_t stride = (static_cast<std::size_t>(picture.width) * 3 + 3) / 4 * 4;
    for (int y = 0; y < picture.height; ++y) {
        const std::size_t row = u32(10) + stride * static_cast<std::size_t>(picture.height - 1 - y);
        for (int x = 0; x < picture.width; ++x) {
            const auto byte = [&](int k) { return static_cast<int>(static_cast<unsigned char>(bmp.at(row + x * 3 + k))); };
            picture.pixels.push_back({byte(2), byte(1), byte(0)});
        }
    }
    return picture;
}

// A stand-in browser: a script that appends each argument it gets to a file.
class StandInBrowser {
public:
    StandInBrowser() {
        char pattern[] = "/tmp/orlinde-browser-XXXXXX";
        directory_ = mkdtemp(pattern);
        script_ = directory_ + "/browser";
        captured_ = directory_ + "/captured";
        std::ofstream(script_) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done >> '" << captured_ << "'\n";
        chmod(script_.c_str(), 0755);
    }
    ~StandInBrowser() {
        std::remove(captured_.c_str());
        std::remove(script_.c_str());
        rmdir(directory_.c_str());
    }
    const std::string& script() const { return script_; }
    std::string waitForCapture(std::chrono::milliseconds timeout) const {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        std::string text;
        while ((text = fileText(captured_)).empty() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(50ms);
        }
        std::this_thread::sleep_for(300ms);  // anything arriving late would be a second opening
        return fileText(captured_);
    }

private:
    std::string directory_, script_, captured_;
};

struct Placement {
    int left = 0, top = 0, right = 0, bottom = 0;  // the outer rectangle
    int clientX = 0, clientY = 0;                   // client origin on the screen
    unsigned long xWindow = 0;
};

// The window on screen. Linux: no window manager frames it, so the X window is both the
// outer rectangle and the client area. Windows: Wine draws no frame either, and the X
// window is only the client area, so the outer rectangle comes from GetWindowRect.
std::optional<Placement> findAbout(SaverStage& stage) {
    const auto window = stage.screen().waitForWindow("About", 60s);
    if (!window) return std::nullopt;
    Placement p;
    p.xWindow = window->id;
    if (stage.build() == SaverBuild::Linux) {
        p = {window->x, window->y, window->x + window->width, window->y + window->height, window->x, window->y,
             window->id};
        return p;
    }
    auto reader = stage.startTool("window_rect_reader", {"About", "30"});
    if (reader->waitFor(60s) != 0) return std::nullopt;
    int width = 0, height = 0;
    if (std::sscanf(reader->standardOutput().c_str(), "outer %d %d %d %d client %d %d %d %d", &p.left, &p.top,
                    &p.right, &p.bottom, &p.clientX, &p.clientY, &width, &height) != 8) {
        return std::nullopt;
    }
    return p;
}

// Waits until the client area is painted and returns the screen.
ScreenImage paintedScreen(SaverStage& stage, const Placement& p) {
    ScreenImage image;
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    do {
        image = stage.screen().capture();
        if (image.at(p.clientX + 5, p.clientY + 5) == kBackground &&
            !(image.at(p.clientX + kPictureX + 55, p.clientY + kPictureY + 40) == kBackground)) {
            break;
        }
        std::this_thread::sleep_for(100ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return image;
}

int countPixels(const ScreenImage& image, int x0, int y0, int width, int height, bool (*match)(const Rgb&)) {
    int count = 0;
    for (int y = y0; y < y0 + height; ++y) {
        for (int x = x0; x < x0 + width; ++x) count += match(image.at(x, y)) ? 1 : 0;
    }
    return count;
}

class AboutWindowRun : public testing::TestWithParam<SaverBuild> {
protected:
    // Starts /c-style arguments with the stand-in browser in place of the user's.
    std::unique_ptr<ChildProcess> startAbout(SaverStage& stage, const std::vector<std::string>& arguments) {
        if (stage.build() == SaverBuild::Windows) {
            auto setting = stage.startTool("wine_browser_setting", {browser_.script()});
            EXPECT_EQ(setting->waitFor(60s), 0) << "cannot set Wine's browser";
            return stage.startSaver(arguments);
        }
        return stage.startSaver(arguments, {"BROWSER=" + browser_.script()});
    }

    StandInBrowser browser_;
};

TEST_P(AboutWindowRun, ShowsTheWindowOpensThePageAndEndsWhenClosed) {
    SaverStage stage(GetParam(), 1920, 1080);
    auto saver = startAbout(stage, {"/c"});
    const auto placement = findAbout(stage);
    ASSERT_TRUE(placement) << "no About window";
    const Placement& p = *placement;
    EXPECT_EQ(p.left, 760);
    EXPECT_EQ(p.top, 390);
    EXPECT_EQ(p.right - p.left, 400);
    EXPECT_EQ(p.bottom - p.top, 300);

    const ScreenImage screen = paintedScreen(stage, p);
    for (const auto& [x, y] : {std::pair{5, 5}, {60, 100}, {300, 130}, {380, 20}, {20, 255}}) {
        EXPECT_EQ(screen.at(p.clientX + x, p.clientY + y), kBackground) << "client (" << x << ", " << y << ")";
    }
    const auto black = [](const Rgb& c) { return c.r < 40 && c.g < 40 && c.b < 40; };
    const auto blue = [](const Rgb& c) { return c.r < 60 && c.g < 110 && c.b > 200; };
    EXPECT_GT(countPixels(screen, p.clientX + 90, p.clientY + 20, 280, 20, black), 50) << "caption";
    EXPECT_EQ(countPixels(screen, p.clientX + 90, p.clientY + 20, 280, 20, blue), 0) << "caption";
    EXPECT_GT(countPixels(screen, p.clientX + 20, p.clientY + 150, 370, 55, blue), 100) << "notice";
    EXPECT_EQ(countPixels(screen, p.clientX + 20, p.clientY + 150, 370, 55, black), 0) << "notice";

    const ScreenImage picture = aboutPicture();
    ASSERT_EQ(picture.width, 110);
    ASSERT_EQ(picture.height, 83);
    int wrong = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            wrong += screen.at(p.clientX + kPictureX + x, p.clientY + kPictureY + y) == picture.at(x, y) ? 0 : 1;
        }
    }
    EXPECT_EQ(wrong, 0) << "picture pixels that differ from the bitmap at (142, 55)";
    for (const auto& [x, y] : {std::pair{kPictureX - 1, kPictureY + 40}, {kPictureX + 110, kPictureY + 40},
                               {kPictureX + 55, kPictureY - 1}, {kPictureX + 55, kPictureY + 83}}) {
        EXPECT_EQ(screen.at(p.clientX + x, p.clientY + y), kBackground) << "just outside the picture: " << x << ", " << y;
    }

    // The notice shares the button's id but sends nothing.
    stage.screen().moveMouse(p.clientX + 100, p.clientY + 165);
    stage.screen().pressAndReleaseButton(1);
    EXPECT_EQ(browser_.waitForCapture(1s), "") << "the notice opened the page";

    // The lower part of the button, below the notice control's rectangle.
    stage.screen().moveMouse(p.clientX + 200, p.clientY + 236);
    stage.screen().pressAndReleaseButton(1);
    EXPECT_EQ(browser_.waitForCapture(30s), std::string(kPage) + "\n");
    EXPECT_TRUE(saver->running()) << "the button closed the window";

    for (const char* key : {"Escape", "Tab"}) stage.screen().pressAndReleaseKey(key);
    std::this_thread::sleep_for(1s);
    EXPECT_TRUE(saver->running()) << "a key ended the run";
    EXPECT_TRUE(stage.screen().waitForWindow("About", 0ms)) << "a key closed the window";

    stage.screen().requestClose(p.xWindow);
    EXPECT_EQ(saver->waitFor(30s), 0);
    EXPECT_FALSE(stage.screen().waitForWindow("About", 0ms));
}

TEST_P(AboutWindowRun, HandleAfterTheSwitchChangesNothing) {
    SaverStage stage(GetParam(), 1920, 1080);
    auto saver = startAbout(stage, {"/c:1234"});
    const auto placement = findAbout(stage);
    ASSERT_TRUE(placement) << "no About window";
    EXPECT_EQ(placement->left, 760);
    EXPECT_EQ(placement->top, 390);
    const ScreenImage screen = paintedScreen(stage, *placement);
    EXPECT_EQ(screen.at(placement->clientX + 5, placement->clientY + 5), kBackground);
    stage.screen().requestClose(placement->xWindow);
    EXPECT_EQ(saver->waitFor(30s), 0);
}

// Only the Linux build starts without a display.
class AboutWindowWithoutDisplay : public testing::TestWithParam<SaverBuild> {};

TEST_P(AboutWindowWithoutDisplay, ShowsTheCreationFailureAndEndsWithZero) {
    SaverStage stage(GetParam());
    auto saver = stage.startSaver({"/c"}, {"DISPLAY"});
    EXPECT_EQ(saver->waitFor(20s), 0);
    EXPECT_EQ(saver->standardError(), "Error!: Window Creation Failed!\n");
}

const auto buildNames = [](const auto& info) { return std::string(buildName(info.param)); };
INSTANTIATE_TEST_SUITE_P(Builds, AboutWindowRun, testing::Values(SaverBuild::Linux, SaverBuild::Windows), buildNames);
INSTANTIATE_TEST_SUITE_P(Builds, AboutWindowWithoutDisplay, testing::Values(SaverBuild::Linux), buildNames);

}  // namespace
