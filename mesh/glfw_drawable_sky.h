#pragma once

#include "mesh/glfw_drawable_object.h"

// The rectangle the galaxy program paints over the whole viewport.
class GLFWDrawableSky : public GLFWDrawableObject {
public:
    using GLFWDrawableObject::GLFWDrawableObject;

protected:
    void bindAttributes() override;
    void setUniforms() override;
    void beginDraw() override {}
};
