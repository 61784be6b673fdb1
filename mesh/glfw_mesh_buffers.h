#pragma once

#include "render/gl_entry_points.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

class GLFWProgramRegistry;

// A vertex buffer and an index buffer with the vertex attributes a program reads from
// them. The data stays with its owner; only pointers and sizes are kept here.
class GLFWMeshBuffers {
public:
    // Generates the two buffer names; a GL context must be current.
    explicit GLFWMeshBuffers(GLFWProgramRegistry* registry);

    void setVertexData(std::int32_t bytes, const float* data, std::int32_t strideFloats);
    void setIndexData(std::int32_t bytes, const std::uint32_t* data, std::int32_t count);

    // Looks the attribute up in the named program. A name already added keeps its first
    // entry; with no such program the attribute gets location -1.
    void addAttribute(std::string_view programName, std::string_view attributeName, std::int32_t components,
                      std::int32_t offsetFloats);

    void bind() const;
    // Points every attribute the program uses (location >= 0) at its place in the record.
    void enableAttributes() const;
    void bindAndEnable() const;
    void upload() const;

    std::int32_t indexCount() const { return indexCount_; }
    GLuint vertexBuffer() const { return vertexBuffer_; }
    GLuint indexBuffer() const { return indexBuffer_; }

    struct Attribute {
        GLint location;
        std::int32_t components;
        std::int32_t offsetFloats;
    };
    // In ascending name order.
    const std::map<std::string, Attribute, std::less<>>& attributes() const { return attributes_; }

private:
    GLFWProgramRegistry* registry_;
    GLuint vertexBuffer_ = 0;
    GLuint indexBuffer_ = 0;
    const float* vertexData_ = nullptr;
    std::int32_t vertexDataBytes_ = 0;
    std::int32_t strideFloats_ = 0;
    std::map<std::string, Attribute, std::less<>> attributes_;
    const std::uint32_t* indexData_ = nullptr;
    std::int32_t indexDataBytes_ = 0;
    std::int32_t indexCount_ = 0;
};
