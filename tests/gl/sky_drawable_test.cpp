// The sky drawable: its buffers as uploaded, its attributes and the uniforms it sets.
#include "mesh/glfw_drawable_sky.h"
#include "render/camera.h"
#include "render/glfw_program_registry.h"
#include "render/shader_inputs.h"
#include "tests/support/gl_test_context.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class SkyDrawable : public testing::Test {
protected:
    SkyDrawable() {
        registry.addProgram("BackgroundProgram", 137, 136);
        camera.updateView(0);
        camera.setProjection(Mat4::identity());
        sky.prepare();
    }

    GLint bufferSize(GLenum target, GLuint buffer) {
        gl.bindBuffer(target, buffer);
        GLint size = -1;
        context.readBack().getBufferParameteriv(target, GL_BUFFER_SIZE, &size);
        return size;
    }

    GlTestContext context{640, 480};
    GLFWProgramRegistry registry;
    ShaderInputs inputs{0.0f};
    Camera camera{0.0f, 0.0f, 100.0f};
    GLFWDrawableSky sky{&inputs, &camera, &registry, "BackgroundProgram", 141, 140, 1.0f};
};

TEST_F(SkyDrawable, UploadsTheRectangleAsSixRecordsOf24Floats) {
    EXPECT_EQ(bufferSize(GL_ARRAY_BUFFER, sky.buffers().vertexBuffer()), 576);
    EXPECT_EQ(bufferSize(GL_ELEMENT_ARRAY_BUFFER, sky.buffers().indexBuffer()), 24);
    EXPECT_EQ(sky.buffers().indexCount(), 6);

    std::vector<float> first(24);
    gl.bindBuffer(GL_ARRAY_BUFFER, sky.buffers().vertexBuffer());
    context.readBack().getBufferSubData(GL_ARRAY_BUFFER, 0, 96, first.data());
    const std::vector<float> expected = {-1, 1, 0,  0, 1,  0, -0.0f, 1,  1, 0, 0,  0, 1, 0,
                                         0.7765f, 0.8824f, 0.3412f, 0.7765f, 0.8824f, 0.3412f,
                                         0.35f, 0.35f, 0.35f, 32};
    EXPECT_EQ(first, expected);

    std::vector<std::uint32_t> indices(6);
    gl.bindBuffer(GL_ELEMENT_ARRAY_BUFFER, sky.buffers().indexBuffer());
    context.readBack().getBufferSubData(GL_ELEMENT_ARRAY_BUFFER, 0, 24, indices.data());
    EXPECT_EQ(indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
}

TEST_F(SkyDrawable, BindsTheAttributesTheProgramReads) {
    const auto& attributes = sky.buffers().attributes();
    ASSERT_EQ(attributes.size(), 3u);
    GLFWProgram* program = registry.findProgram("BackgroundProgram");
    const auto position = attributes.at("position");
    EXPECT_EQ(position.location, program->attributeLocation("position"));
    EXPECT_EQ(position.components, 3);
    EXPECT_EQ(position.offsetFloats, 0);
    EXPECT_EQ(attributes.at("position_tex").components, 2);
    EXPECT_EQ(attributes.at("position_tex").offsetFloats, 3);
    EXPECT_EQ(attributes.at("position_normal").offsetFloats, 5);
    EXPECT_EQ(attributes.at("position_normal").location, -1);  // declared, never read

    GLint enabled = 0;
    context.readBack().getVertexAttribiv(static_cast<GLuint>(position.location), GL_VERTEX_ATTRIB_ARRAY_ENABLED,
                                         &enabled);
    EXPECT_EQ(enabled, GL_TRUE);
}

TEST_F(SkyDrawable, DrawSetsTimeAndViewport) {
    inputs.setViewport(640.0f, 480.0f);
    sky.setModelMatrix(translate(0.0f, 0.0f, -100.0f));
    sky.draw();
    GLFWProgram* program = registry.findProgram("BackgroundProgram");
    const auto uniform = [&](const char* name) {
        float value = -1.0f;
        context.readBack().getUniformfv(program->programId(), program->uniformLocation(name), &value);
        return value;
    };
    EXPECT_EQ(uniform("iTime"), 0.0f);
    EXPECT_EQ(uniform("viewportWidth"), 640.0f);
    EXPECT_EQ(uniform("viewportHeight"), 480.0f);
    inputs.setTime(12.5f);
    sky.draw();
    EXPECT_EQ(uniform("iTime"), 12.5f);
}

}  // namespace
