#pragma once

#include "render/glfw_program.h"
#include "render/resources.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

// The linked programs by name. Drawables name their program and look it up every frame,
// so lookups take a string_view and build no string.
class GLFWProgramRegistry {
public:
    // Builds the program; a name already registered keeps its first program (the new
    // one is still compiled and linked, but not reachable by name).
    void addProgram(std::string_view name, ResourceId vertexId, ResourceId fragmentId);
    // The program registered under this name, or null.
    GLFWProgram* findProgram(std::string_view name) const;
    // Makes the named program current; an unknown name changes nothing.
    void useProgram(std::string_view name) const;

private:
    std::map<std::string, std::unique_ptr<GLFWProgram>, std::less<>> programs_;
};
