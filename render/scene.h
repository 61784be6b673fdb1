#pragma once

class Camera;
class GLFWDrawableSky;
class GLFWProgramRegistry;
class GLFWTexture;
class ShaderInputs;

// The scene's process-wide objects, made once by setupScene and never destroyed.
extern GLFWProgramRegistry* shaderProgramRegistry;
extern ShaderInputs* shaderInputs;
extern Camera* camera;
extern GLFWTexture* noiseTexture;
extern GLFWDrawableSky* skyDrawable;

// Builds the scene once; the window's context must be current.
void setupScene();
// Draws one frame from the current windowSize and shaderInputs.
void drawFrame();
