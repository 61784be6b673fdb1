#pragma once

#include <string>

// The repository's root folder as the build saw it, for tests that compare against
// committed files or start the built programs.
std::string sourceDir();

// The Linux build folder (build/linux).
std::string linuxBuildDir();
