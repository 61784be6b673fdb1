// The noise texture as OpenGL holds it, and how it samples.
#include "render/glfw_texture.h"
#include "tests/support/gl_test_context.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kSize = 256;

std::vector<float> bitmapBottomUp() {
    std::vector<float> rgba(kSize * kSize * 4);
    readBitmapPixels(207, kSize, kSize, true, rgba.data());
    return rgba;
}

TEST(NoiseTexture, HoldsTheBitmapBottomRowFirstWithItsParameters) {
    GlTestContext context;
    GLFWTexture texture(207, kSize);

    GLint active = 0, bound = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(active, GL_TEXTURE0);
    EXPECT_EQ(static_cast<GLuint>(bound), texture.textureId());

    std::vector<float> texels(kSize * kSize * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, texels.data());
    std::vector<float> flippedRead = bitmapBottomUp();
    EXPECT_EQ(texels, flippedRead);
    // Row 0 of the texture is the bitmap's bottom row, read independently here.
    std::vector<float> topDown(kSize * kSize * 4);
    readBitmapPixels(207, kSize, kSize, false, topDown.data());
    for (int x = 0; x < kSize; ++x) {
        ASSERT_EQ(texels[x * 4], topDown[((kSize - 1) * kSize + x) * 4]) << "texel (" << x << ", 0)";
        ASSERT_EQ(texels[((kSize - 1) * kSize + x) * 4], topDown[x * 4]) << "texel (" << x << ", 255)";
    }

    const std::pair<GLenum, GLint> parameters[] = {
        {GL_TEXTURE_WRAP_S, GL_REPEAT},     {GL_TEXTURE_WRAP_T, GL_REPEAT}, {GL_TEXTURE_MAG_FILTER, GL_LINEAR},
        {GL_TEXTURE_MIN_FILTER, GL_LINEAR}, {GL_TEXTURE_BASE_LEVEL, 0},     {GL_TEXTURE_MAX_LEVEL, 0},
        {GL_TEXTURE_IMMUTABLE_FORMAT, GL_TRUE}, {GL_TEXTURE_IMMUTABLE_LEVELS, 8},
    };
    for (const auto& [name, expected] : parameters) {
        GLint value = -1;
        glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
        EXPECT_EQ(value, expected) << "parameter 0x" << std::hex << name;
    }
    GLint internalFormat = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &internalFormat);
    EXPECT_EQ(internalFormat, GL_RGBA32F);
}

TEST(NoiseTexture, StorageLevelsAreOneFewerThanAFullChain) {
    const std::pair<int, int> table[] = {{1, 1},   {2, 1},   {4, 2},    {8, 3},    {16, 4},   {32, 5},
                                         {64, 6},  {128, 7}, {256, 8},  {512, 9},  {1024, 10}, {2048, 11}};
    for (const auto& [size, levels] : table) EXPECT_EQ(GLFWTexture::storageLevels(size), levels) << size;
}

// Samples the texture at one coordinate by drawing a point with a tiny program.
class Sampler {
public:
    Sampler() {
        const char* vertex = "#version 110\nvoid main() { gl_Position = vec4(0.0, 0.0, 0.0, 1.0); }\n";
        const char* fragment =
            "#version 110\nuniform sampler2D t; uniform vec2 at;\n"
            "void main() { gl_FragColor = vec4(texture2D(t, at).rgb, 1.0); }\n";
        program_ = gl.createProgram();
        for (const auto& [stage, text] : {std::pair{GL_VERTEX_SHADER, vertex}, std::pair{GL_FRAGMENT_SHADER, fragment}}) {
            const GLuint shader = gl.createShader(stage);
            gl.shaderSource(shader, 1, &text, nullptr);
            gl.compileShader(shader);
            gl.attachShader(program_, shader);
        }
        gl.linkProgram(program_);
    }

    float redAt(float s, float t) {
        gl.useProgram(program_);
        const auto uniform2f = reinterpret_cast<PFNGLUNIFORM2FPROC>(glfwGetProcAddress("glUniform2f"));
        uniform2f(gl.getUniformLocation(program_, "at"), s, t);
        gl.viewport(0, 0, 1, 1);
        gl.clear(GL_COLOR_BUFFER_BIT);
        glDrawArrays(GL_POINTS, 0, 1);
        float pixel[4] = {};
        glReadPixels(0, 0, 1, 1, GL_RGBA, GL_FLOAT, pixel);
        return pixel[0];
    }

private:
    GLuint program_ = 0;
};

TEST(NoiseTexture, WrapsAndBlendsAcrossTheEdges) {
    GlTestContext context;
    GLFWTexture texture(207, kSize);
    const std::vector<float> texels = bitmapBottomUp();
    const auto red = [&](int x, int y) { return texels[((y & 255) * kSize + (x & 255)) * 4]; };
    Sampler sampler;
    const float tolerance = 1.5f / 255.0f;  // the read goes through an 8-bit framebuffer
    // At s = 0 (row 10's centre): halfway between the last and the first texel of the row.
    const float t10 = (10 + 0.5f) / kSize;
    EXPECT_NEAR(sampler.redAt(0.0f, t10), 0.5f * (red(255, 10) + red(0, 10)), tolerance);
    // Whole periods away the same texel centre reads the same value.
    const float s7 = (7 + 0.5f) / kSize;
    EXPECT_NEAR(sampler.redAt(s7 + 3.0f, t10 - 2.0f), red(7, 10), tolerance);
    EXPECT_NEAR(sampler.redAt(s7 - 1.0f, t10), red(7, 10), tolerance);
    // At t = 0: halfway between the top and the bottom row.
    EXPECT_NEAR(sampler.redAt(s7, 0.0f), 0.5f * (red(7, 255) + red(7, 0)), tolerance);
}

}  // namespace
