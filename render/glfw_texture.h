#pragma once

#include "render/gl_entry_points.h"
#include "render/resources.h"

// A square bitmap resource as an immutable GL_RGBA32F texture, rows bottom-up, repeating
// and filtered bilinearly from level 0. The texels live only in OpenGL.
class GLFWTexture {
public:
    // `size` is the texture's width and height and the area read from the bitmap.
    GLFWTexture(ResourceId bitmapId, int size);

    GLuint textureId() const { return textureId_; }

    // The levels immutable storage gets for a size: log2(size), at least 1 (one fewer
    // than a full chain; only level 0 is ever filled or sampled).
    static int storageLevels(int size);

private:
    GLuint textureId_ = 0;
};
