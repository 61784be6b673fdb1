#include "render/gl_entry_points.h"

GlEntryPoints gl;

namespace {

template <typename Function>
void load(Function& slot, const char* name, int& missing) {
    slot = reinterpret_cast<Function>(glfwGetProcAddress(name));
    if (slot == nullptr) ++missing;
}

}  // namespace

int loadGlEntryPoints() {
    int missing = 0;
    load(gl.cullFace, "glCullFace", missing);
    load(gl.frontFace, "glFrontFace", missing);
    load(gl.disable, "glDisable", missing);
    load(gl.enable, "glEnable", missing);
    load(gl.createProgram, "glCreateProgram", missing);
    load(gl.createShader, "glCreateShader", missing);
    load(gl.shaderSource, "glShaderSource", missing);
    load(gl.compileShader, "glCompileShader", missing);
    load(gl.getShaderiv, "glGetShaderiv", missing);
    load(gl.getShaderInfoLog, "glGetShaderInfoLog", missing);
    load(gl.deleteShader, "glDeleteShader", missing);
    load(gl.attachShader, "glAttachShader", missing);
    load(gl.linkProgram, "glLinkProgram", missing);
    load(gl.useProgram, "glUseProgram", missing);
    load(gl.getUniformLocation, "glGetUniformLocation", missing);
    load(gl.getAttribLocation, "glGetAttribLocation", missing);
    load(gl.uniform1f, "glUniform1f", missing);
    load(gl.uniformMatrix4fv, "glUniformMatrix4fv", missing);
    load(gl.genTextures, "glGenTextures", missing);
    load(gl.activeTexture, "glActiveTexture", missing);
    load(gl.bindTexture, "glBindTexture", missing);
    load(gl.texStorage2D, "glTexStorage2D", missing);
    load(gl.texSubImage2D, "glTexSubImage2D", missing);
    load(gl.texParameteri, "glTexParameteri", missing);
    load(gl.genBuffers, "glGenBuffers", missing);
    load(gl.bindBuffer, "glBindBuffer", missing);
    load(gl.bufferData, "glBufferData", missing);
    load(gl.enableVertexAttribArray, "glEnableVertexAttribArray", missing);
    load(gl.vertexAttribPointer, "glVertexAttribPointer", missing);
    load(gl.clear, "glClear", missing);
    load(gl.viewport, "glViewport", missing);
    load(gl.drawElements, "glDrawElements", missing);
    return missing;
}
