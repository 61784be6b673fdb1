#include "bench/raw_galaxy.h"

#include "render/resources.h"

#include <vector>

namespace {

GLuint compile(GLenum stage, ResourceId id) {
    MarkedTextBuffer source;
    readMarkedTextResource(id, source);
    const GLuint shader = gl.createShader(stage);
    const GLchar* text = source.data();
    gl.shaderSource(shader, 1, &text, nullptr);
    gl.compileShader(shader);
    return shader;
}

}  // namespace

RawGalaxy::RawGalaxy() {
    loadGlEntryPoints();
    program_ = gl.createProgram();
    gl.attachShader(program_, compile(GL_VERTEX_SHADER, 137));
    gl.attachShader(program_, compile(GL_FRAGMENT_SHADER, 136));
    gl.linkProgram(program_);
    position_ = gl.getAttribLocation(program_, "position");
    time_ = gl.getUniformLocation(program_, "iTime");
    width_ = gl.getUniformLocation(program_, "viewportWidth");
    height_ = gl.getUniformLocation(program_, "viewportHeight");

    const float corners[] = {-1, -1, 0, 1, -1, 0, -1, 1, 0, 1, 1, 0};
    gl.genBuffers(1, &quad_);
    gl.bindBuffer(GL_ARRAY_BUFFER, quad_);
    gl.bufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);

    std::vector<float> noise(256 * 256 * 4);
    readBitmapPixels(207, 256, 256, true, noise.data());
    gl.genTextures(1, &texture_);
    gl.activeTexture(GL_TEXTURE0);
    gl.bindTexture(GL_TEXTURE_2D, texture_);
    gl.texStorage2D(GL_TEXTURE_2D, 1, GL_RGBA32F, 256, 256);
    gl.texSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 256, 256, GL_RGBA, GL_FLOAT, noise.data());
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    gl.useProgram(program_);
    gl.enableVertexAttribArray(static_cast<GLuint>(position_));
    gl.vertexAttribPointer(static_cast<GLuint>(position_), 3, GL_FLOAT, GL_FALSE, 0, nullptr);
}

void RawGalaxy::draw(float time, int width, int height) const {
    gl.viewport(0, 0, width, height);
    gl.clear(GL_COLOR_BUFFER_BIT);
    gl.uniform1f(time_, time);
    gl.uniform1f(width_, static_cast<float>(width));
    gl.uniform1f(height_, static_cast<float>(height));
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
}
