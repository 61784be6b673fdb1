#include "about/about_content.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(AboutContent, CentresTheWindowTruncatingTowardZero) {
    EXPECT_EQ(about::centredOrigin(1920, 400), 760);
    EXPECT_EQ(about::centredOrigin(1080, 300), 390);
    EXPECT_EQ(about::centredOrigin(1025, 300), 362);  // 362.5
    EXPECT_EQ(about::centredOrigin(299, 300), 0);     // -0.5 truncates to 0, not -1
    EXPECT_EQ(about::centredOrigin(100, 300), -100);
}

TEST(AboutContent, NoticeHasThreeLinesAndTheSupportAddressAtThePageHost) {
    const std::string notice = about::kNoticeText;
    const std::string page = about::kWebPage;
    ASSERT_EQ(page.rfind("https://", 0), 0u);
    ASSERT_EQ(page.substr(page.size() - 18), "/?utm_source=About");
    const std::string host = page.substr(8, page.size() - 8 - 18);
    EXPECT_NE(host.find(".example"), std::string::npos);

    const auto first = notice.find("\r\n");
    const auto second = notice.find("\r\n", first + 2);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(notice.find("\r\n", second + 2), std::string::npos);
    EXPECT_EQ(notice.find('\n'), first + 1) << "lines are joined with CR LF only";
    EXPECT_NE(notice.substr(second + 2).find("@" + host), std::string::npos);
}

}  // namespace
