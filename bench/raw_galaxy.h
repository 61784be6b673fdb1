#pragma once

#include "render/gl_entry_points.h"

// The baseline: the galaxy shader on one quad with plain GL calls and nothing else: no
// registry, no caches, no drawable, no matrices. Locations are looked up once.
class RawGalaxy {
public:
    RawGalaxy();
    void draw(float time, int width, int height) const;

private:
    GLuint program_ = 0;
    GLuint quad_ = 0;
    GLuint texture_ = 0;
    GLint position_ = -1;
    GLint time_ = -1;
    GLint width_ = -1;
    GLint height_ = -1;
};
