#include "render/glfw_program_registry.h"

void GLFWProgramRegistry::addProgram(std::string_view name, ResourceId vertexId, ResourceId fragmentId) {
    auto program = std::make_unique<GLFWProgram>(vertexId, fragmentId);
    if (programs_.find(name) == programs_.end()) programs_.emplace(std::string(name), std::move(program));
}

GLFWProgram* GLFWProgramRegistry::findProgram(std::string_view name) const {
    const auto found = programs_.find(name);
    return found != programs_.end() ? found->second.get() : nullptr;
}

void GLFWProgramRegistry::useProgram(std::string_view name) const {
    if (GLFWProgram* program = findProgram(name)) program->use();
}
