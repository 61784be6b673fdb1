#include "render/glfw_texture.h"

#include <vector>

int GLFWTexture::storageLevels(int size) {
    int levels = 0;
    for (int s = size; s > 1; s /= 2) ++levels;
    return levels > 0 ? levels : 1;
}

GLFWTexture::GLFWTexture(ResourceId bitmapId, int size) {
    gl.genTextures(1, &textureId_);
    gl.activeTexture(GL_TEXTURE0);
    gl.bindTexture(GL_TEXTURE_2D, textureId_);
    if (size <= 0) return;  // nothing to store; the texture stays incomplete
    gl.texStorage2D(GL_TEXTURE_2D, storageLevels(size), GL_RGBA32F, size, size);
    {
        std::vector<float> rgba(static_cast<std::size_t>(size) * size * 4);
        readBitmapPixels(bitmapId, size, size, true, rgba.data());
        gl.texSubImage2D(GL_TEXTURE_2D, 0, 0, 0, size, size, GL_RGBA, GL_FLOAT, rgba.data());
    }
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    gl.texParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
}
