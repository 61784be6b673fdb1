// The frame composition over the process-wide scene, and what a steady frame allocates.
#include "app/window_size.h"
#include "render/camera.h"
#include "render/glfw_texture.h"
#include "render/scene.h"
#include "render/shader_inputs.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/gl_test_context.h"

#include <gtest/gtest.h>


namespace {

// The scene is process-wide and never destroyed, so one context serves every test here.
class Frame : public testing::Test {
protected:
    static void SetUpTestSuite() {
        context = new GlTestContext(320, 240);
        windowSize.set(320, 240);
        setupScene();
    }

    static GlTestContext* context;
};
GlTestContext* Frame::context = nullptr;

TEST_F(Frame, FollowsTheWindowSizeOnTheNextFrame) {
    windowSize.set(1920, 1080);
    drawFrame();
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1920);
    EXPECT_EQ(viewport[3], 1080);
    EXPECT_EQ(shaderInputs->viewportWidth(), 1920.0f);
    EXPECT_EQ(shaderInputs->viewportHeight(), 1080.0f);
    const Mat4 wide = camera->projectionMatrix();
    EXPECT_FLOAT_EQ(wide[1][1] / wide[0][0], 1920.0f / 1080.0f);

    windowSize.set(1280, 1024);
    drawFrame();
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1280);
    EXPECT_EQ(viewport[3], 1024);
    const Mat4 square = camera->projectionMatrix();
    EXPECT_FLOAT_EQ(square[1][1] / square[0][0], 1.25f);
    windowSize.set(320, 240);
}

TEST_F(Frame, BindsTheNoiseOnUnitZeroWhateverWasBound) {
    GLuint other = 0;
    glGenTextures(1, &other);
    gl.activeTexture(GL_TEXTURE0 + 1);
    gl.bindTexture(GL_TEXTURE_2D, other);
    drawFrame();
    GLint active = 0, bound = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(active, GL_TEXTURE0);
    EXPECT_EQ(static_cast<GLuint>(bound), noiseTexture->textureId());
}

TEST_F(Frame, SteadyFramesAllocateNothing) {
    shaderInputs->setTime(0.0f);
    drawFrame();  // the first frame fills the location caches
    glfwSwapBuffers(context->window());
    const long before = allocationsSoFar();
    for (int frame = 1; frame <= 100; ++frame) {
        shaderInputs->setTime(frame / 60.0f);
        drawFrame();
    }
    EXPECT_EQ(allocationsSoFar() - before, 0);
}

}  // namespace
