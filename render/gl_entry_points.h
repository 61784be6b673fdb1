#pragma once

// GLFW brings in the platform's GL/gl.h with the calling convention set up right.
#include <GLFW/glfw3.h>
#include <GL/glext.h>

// Every OpenGL entry point the program calls, asked of the context once it is current.
// Core 1.1 functions take their type from gl.h, later ones from glext.h.
struct GlEntryPoints {
    // fixed state
    decltype(&::glCullFace) cullFace = nullptr;
    decltype(&::glFrontFace) frontFace = nullptr;
    decltype(&::glDisable) disable = nullptr;
    decltype(&::glEnable) enable = nullptr;
    // programs
    PFNGLCREATEPROGRAMPROC createProgram = nullptr;
    PFNGLCREATESHADERPROC createShader = nullptr;
    PFNGLSHADERSOURCEPROC shaderSource = nullptr;
    PFNGLCOMPILESHADERPROC compileShader = nullptr;
    PFNGLGETSHADERIVPROC getShaderiv = nullptr;
    PFNGLGETSHADERINFOLOGPROC getShaderInfoLog = nullptr;
    PFNGLDELETESHADERPROC deleteShader = nullptr;
    PFNGLATTACHSHADERPROC attachShader = nullptr;
    PFNGLLINKPROGRAMPROC linkProgram = nullptr;
    PFNGLUSEPROGRAMPROC useProgram = nullptr;
    PFNGLGETUNIFORMLOCATIONPROC getUniformLocation = nullptr;
    PFNGLGETATTRIBLOCATIONPROC getAttribLocation = nullptr;
    PFNGLUNIFORM1FPROC uniform1f = nullptr;
    PFNGLUNIFORMMATRIX4FVPROC uniformMatrix4fv = nullptr;
    // textures
    decltype(&::glGenTextures) genTextures = nullptr;
    PFNGLACTIVETEXTUREPROC activeTexture = nullptr;
    decltype(&::glBindTexture) bindTexture = nullptr;
    PFNGLTEXSTORAGE2DPROC texStorage2D = nullptr;
    decltype(&::glTexSubImage2D) texSubImage2D = nullptr;
    decltype(&::glTexParameteri) texParameteri = nullptr;
    // buffers and drawing
    PFNGLGENBUFFERSPROC genBuffers = nullptr;
    PFNGLBINDBUFFERPROC bindBuffer = nullptr;
    PFNGLBUFFERDATAPROC bufferData = nullptr;
    PFNGLENABLEVERTEXATTRIBARRAYPROC enableVertexAttribArray = nullptr;
    PFNGLVERTEXATTRIBPOINTERPROC vertexAttribPointer = nullptr;
    decltype(&::glClear) clear = nullptr;
    decltype(&::glViewport) viewport = nullptr;
    decltype(&::glDrawElements) drawElements = nullptr;
};

// The process's entry points; filled by loadGlEntryPoints.
extern GlEntryPoints gl;

// Fills gl from the current context (glfwGetProcAddress: the context first, then the
// system's GL library). Returns the number of entry points that were not found.
int loadGlEntryPoints();
