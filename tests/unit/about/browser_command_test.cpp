#include "about/browser_command.h"

#include <gtest/gtest.h>

namespace {

struct BrowserCase {
    const char* variable;  // nullptr: BROWSER unset
    const char* command;
};

class BrowserCommand : public testing::TestWithParam<BrowserCase> {};

TEST_P(BrowserCommand, PassesTheAddressAsAnArgument) {
    EXPECT_EQ(about::browserShellCommand(GetParam().variable), GetParam().command);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, BrowserCommand,
    testing::Values(BrowserCase{nullptr, "exec xdg-open \"$1\""},
                    BrowserCase{"", "exec xdg-open \"$1\""},
                    BrowserCase{":firefox", "exec xdg-open \"$1\""},
                    BrowserCase{"/tmp/stand-in", "exec /tmp/stand-in \"$1\""},
                    BrowserCase{"firefox -new-tab:chromium", "exec firefox -new-tab \"$1\""},
                    BrowserCase{"lynx %s -dump", "exec lynx \"$1\" -dump"},
                    BrowserCase{"show %s twice %s", "exec show \"$1\" twice \"$1\""},
                    BrowserCase{"odd %", "exec odd % \"$1\""}));

}  // namespace
