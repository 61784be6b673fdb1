#pragma once

#include "mesh/glfw_mesh_buffers.h"
#include "mesh/mesh_arrays.h"
#include "render/math.h"
#include "render/resources.h"

#include <string_view>

class Camera;
class GLFWProgramRegistry;
class ShaderInputs;

// Something the renderer draws: an embedded OBJ/MTL mesh in GPU buffers, drawn with one
// named program. Derived classes say which attributes their program reads and which
// uniforms of their own it gets.
class GLFWDrawableObject {
public:
    // Loads the mesh (ending the process when it cannot) and generates the buffer names.
    // `programName` must outlive the drawable.
    GLFWDrawableObject(ShaderInputs* inputs, Camera* camera, GLFWProgramRegistry* registry, const char* programName,
                       ResourceId objId, ResourceId mtlId, float scale);
    virtual ~GLFWDrawableObject() = default;
    GLFWDrawableObject(const GLFWDrawableObject&) = delete;
    GLFWDrawableObject& operator=(const GLFWDrawableObject&) = delete;

    // Binds the attributes and uploads the data, once the program is registered.
    void prepare();
    void setModelMatrix(Mat4 model) { model_ = model; }
    // The program, the three matrix uniforms, the derived class's uniforms, one draw.
    void draw();

    const InterleavedMesh& mesh() const { return mesh_; }
    const GLFWMeshBuffers& buffers() const { return buffers_; }

protected:
    virtual void bindAttributes() = 0;
    virtual void setUniforms() = 0;
    virtual void beginDraw() = 0;

    void addAttribute(std::string_view name, std::int32_t components, std::int32_t offsetFloats);
    void setUniform(std::string_view name, float value);
    void setUniform(std::string_view name, const Mat4& value);

    ShaderInputs* inputs_;
    GLFWProgramRegistry* registry_;

private:
    InterleavedMesh mesh_;
    GLFWMeshBuffers buffers_;
    Camera* camera_;
    const char* programName_;
    Mat4 model_;
};
