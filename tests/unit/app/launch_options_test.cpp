#include "app/launch_options.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ParseCase {
    const char* commandLine;
    LaunchMode mode;
    NativeWindowId parentWindow;
};

class LaunchOptionsParse : public testing::TestWithParam<ParseCase> {};

TEST_P(LaunchOptionsParse, ReadsModeAndHandle) {
    const ParseCase& c = GetParam();
    const LaunchOptions options(c.commandLine);
    EXPECT_EQ(options.mode, c.mode) << "command line: \"" << c.commandLine << "\"";
    EXPECT_EQ(options.parentWindow, c.parentWindow) << "command line: \"" << c.commandLine << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    SwitchesWindowsSends, LaunchOptionsParse,
    testing::Values(ParseCase{"", LaunchMode::None, 0},
                    ParseCase{"/s", LaunchMode::Saver, 0},
                    ParseCase{"/S", LaunchMode::None, 0},
                    ParseCase{"/p 1234", LaunchMode::Preview, 1234},
                    ParseCase{"/p:1234", LaunchMode::Preview, 1234},
                    ParseCase{"/p1234", LaunchMode::Preview, 234},  // the number starts 3 bytes on
                    ParseCase{"/P 1234", LaunchMode::None, 0},
                    ParseCase{"/c:5678", LaunchMode::Configure, 5678},
                    ParseCase{"/c", LaunchMode::Configure, 0},
                    ParseCase{"/p 12 /s", LaunchMode::Saver, 0},  // read again where the text ends
                    ParseCase{"/s /x 9", LaunchMode::Saver, 9},   // any slash re-reads once a mode is set
                    ParseCase{"x/y 5", LaunchMode::None, 0},
                    ParseCase{"/c:1 /p 99", LaunchMode::Preview, 99},
                    ParseCase{"-s", LaunchMode::None, 0}));

INSTANTIATE_TEST_SUITE_P(
    NumbersAsStrtolReadsThem, LaunchOptionsParse,
    testing::Values(ParseCase{"/p   \t42", LaunchMode::Preview, 42},      // leading white space
                    ParseCase{"/p +17", LaunchMode::Preview, 17},
                    ParseCase{"/p -17", LaunchMode::Preview, -17},
                    ParseCase{"/p 12ab", LaunchMode::Preview, 12},        // stops at a non-digit
                    ParseCase{"/p abc", LaunchMode::Preview, 0},          // no digits
                    ParseCase{"/p -", LaunchMode::Preview, 0},
                    ParseCase{"/p 2147483647", LaunchMode::Preview, 2147483647},
                    ParseCase{"/p 2147483648", LaunchMode::Preview, 2147483647},     // clamps as a 32-bit long
                    ParseCase{"/p 99999999999999999999999", LaunchMode::Preview, 2147483647},
                    ParseCase{"/p -2147483649", LaunchMode::Preview, -2147483647 - 1},
                    ParseCase{"/p", LaunchMode::Preview, 0},   // the text ends before the number
                    ParseCase{"/p ", LaunchMode::Preview, 0},
                    ParseCase{"/", LaunchMode::None, 0},       // a slash at the very end
                    ParseCase{"/s/", LaunchMode::Saver, 0}));

TEST(LaunchOptions, NullCommandLineIsEmpty) {
    const LaunchOptions options(nullptr);
    EXPECT_EQ(options.mode, LaunchMode::None);
    EXPECT_EQ(options.parentWindow, 0);
}

TEST(LaunchOptions, ModeValuesAreFixed) {
    EXPECT_EQ(static_cast<int>(LaunchMode::Preview), 0);
    EXPECT_EQ(static_cast<int>(LaunchMode::Saver), 1);
    EXPECT_EQ(static_cast<int>(LaunchMode::Configure), 2);
    EXPECT_EQ(static_cast<int>(LaunchMode::None), 3);
}

TEST(LaunchOptions, LongTextWithManySlashes) {
    std::string text(100000, 'x');
    for (std::size_t i = 0; i < text.size(); i += 7) text[i] = '/';
    text += "/p 77";
    const LaunchOptions options(text.c_str());
    EXPECT_EQ(options.mode, LaunchMode::Preview);
    EXPECT_EQ(options.parentWindow, 77);
}

}  // namespace
