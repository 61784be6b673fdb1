#pragma once

class ShaderInputs;

// The scene's process-wide objects, made by setupScene and never destroyed.
extern ShaderInputs* shaderInputs;

// Builds the scene once; the window's context must be current.
void setupScene();
// Draws one frame from the current windowSize and shaderInputs.
void drawFrame();
