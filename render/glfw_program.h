#pragma once

#include "render/gl_entry_points.h"
#include "render/resources.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

// One linked GLSL program built from two "TEXTFILE" resources, with a cache of every
// location it was asked for. A program exists only fully built: when a stage does not
// compile, its log and an error box are shown and the process ends with status 0.
class GLFWProgram {
public:
    GLFWProgram(ResourceId vertexId, ResourceId fragmentId);
    GLFWProgram(const GLFWProgram&) = delete;
    GLFWProgram& operator=(const GLFWProgram&) = delete;

    void use() const;

    // Uniforms and attributes share one cache keyed by name alone, so the first answer
    // for a name (-1 included) is final whichever of the two asked. OpenGL is asked once.
    GLint uniformLocation(std::string_view name);
    GLint attributeLocation(std::string_view name);

    GLuint programId() const { return programId_; }

private:
    using LocationQuery = PFNGLGETUNIFORMLOCATIONPROC;  // the attribute query has the same type
    GLint cachedLocation(std::string_view name, LocationQuery query);

    // The sources stay with the program, as handed to OpenGL.
    MarkedTextBuffer vertexSource_;
    MarkedTextBuffer fragmentSource_;
    GLuint vertexShader_ = 0;
    GLuint fragmentShader_ = 0;
    GLuint programId_ = 0;
    std::map<std::string, GLint, std::less<>> locationCache_;
};
