#include "render/gl_entry_points.h"
#include "tests/support/gl_test_context.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(GlContext, SaverHintsGiveVersion2WithEveryEntryPoint) {
    GlTestContext context;
    int major = 0, minor = 0;
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ASSERT_NE(version, nullptr);
    ASSERT_EQ(std::sscanf(version, "%d.%d", &major, &minor), 2) << version;
    EXPECT_GE(major * 10 + minor, 20) << version;
    EXPECT_EQ(context.missingEntryPoints(), 0);
    // Beyond 2.0 but needed for the noise texture's float storage.
    EXPECT_NE(gl.texStorage2D, nullptr);
}

}  // namespace
