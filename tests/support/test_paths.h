#pragma once

#include <string>

// The repository's root folder as the build saw it, for tests that compare against
// committed files.
std::string sourceDir();
