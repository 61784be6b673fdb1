// The galaxy program from its resources, and the registry's location cache.
#include "render/glfw_program_registry.h"
#include "tests/support/gl_test_context.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

int uniformQueries = 0;
PFNGLGETUNIFORMLOCATIONPROC realGetUniformLocation = nullptr;

GLint APIENTRY countingGetUniformLocation(GLuint program, const GLchar* name) {
    ++uniformQueries;
    return realGetUniformLocation(program, name);
}

class GalaxyProgram : public testing::Test {
protected:
    void SetUp() override { registry.addProgram("BackgroundProgram", 137, 136); }

    GlTestContext context;
    GLFWProgramRegistry registry;
};

TEST_F(GalaxyProgram, CompilesAndLinksFromItsTwoTexts) {
    GLFWProgram* program = registry.findProgram("BackgroundProgram");
    ASSERT_NE(program, nullptr);
    GLint linked = GL_FALSE;
    context.readBack().getProgramiv(program->programId(), GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    for (const char* uniform : {"iTime", "viewportWidth", "viewportHeight"}) {
        EXPECT_GE(program->uniformLocation(uniform), 0) << uniform;
    }
    EXPECT_GE(program->attributeLocation("position"), 0);
    EXPECT_EQ(registry.findProgram("NoSuchProgram"), nullptr);
}

TEST_F(GalaxyProgram, UnknownNameIsCachedAsMinusOne) {
    GLFWProgram* program = registry.findProgram("BackgroundProgram");
    realGetUniformLocation = gl.getUniformLocation;
    gl.getUniformLocation = countingGetUniformLocation;
    uniformQueries = 0;
    const GLint first = program->uniformLocation("notDeclaredAnywhere");
    const GLint second = program->uniformLocation("notDeclaredAnywhere");
    gl.getUniformLocation = realGetUniformLocation;
    EXPECT_EQ(first, -1);
    EXPECT_EQ(second, -1);
    EXPECT_EQ(uniformQueries, 1);
}

TEST_F(GalaxyProgram, OneCacheServesUniformsAndAttributes) {
    GLFWProgram* program = registry.findProgram("BackgroundProgram");
    // "position_tex" is an attribute; asked first as a uniform, that answer sticks.
    EXPECT_EQ(program->uniformLocation("position_tex"), -1);
    EXPECT_EQ(program->attributeLocation("position_tex"), -1);
    // And the other way round: an attribute's location answers a uniform request.
    const GLint attribute = program->attributeLocation("position");
    EXPECT_EQ(program->uniformLocation("position"), attribute);
}

TEST_F(GalaxyProgram, SecondRegistrationUnderTheSameNameKeepsTheFirst) {
    const GLuint firstId = registry.findProgram("BackgroundProgram")->programId();
    registry.addProgram("BackgroundProgram", 137, 136);
    EXPECT_EQ(registry.findProgram("BackgroundProgram")->programId(), firstId);
}

TEST_F(GalaxyProgram, UseMakesItCurrent) {
    registry.useProgram("BackgroundProgram");
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), registry.findProgram("BackgroundProgram")->programId());
    registry.useProgram("NoSuchProgram");  // changes nothing
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(static_cast<GLuint>(current), registry.findProgram("BackgroundProgram")->programId());
}

TEST(GalaxyShaderTexts, EndJustBeforeTheirMarkers) {
    MarkedTextBuffer buffer;
    readMarkedTextResource(137, buffer);
    ASSERT_EQ(std::strlen(buffer.data()), 372u);
    EXPECT_EQ(std::string(buffer.data() + 367, 5), "}\r\n//");
    EXPECT_EQ(std::string(buffer.data(), 14), "#version 110\r\n");
    readMarkedTextResource(136, buffer);
    EXPECT_EQ(std::strlen(buffer.data()), 2918u);
    EXPECT_EQ(std::string(buffer.data(), 14), "#version 110\r\n");
    EXPECT_EQ(readTextResource(137).size(), 375u);
    EXPECT_EQ(readTextResource(136).size(), 2921u);
}

}  // namespace
