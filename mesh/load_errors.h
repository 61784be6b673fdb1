#pragma once

#include <stdexcept>
#include <string>

// What MeshLoader::load lets propagate: unsound text stops the load with one of these, and
// the loader's lists keep what was stored before the line at fault. Catch LoadError for both.
namespace objl {

class LoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A number was expected and the text does not begin with one, is out of range, or is
// missing (a "v" line with fewer than three values).
class ConversionError : public LoadError {
public:
    using LoadError::LoadError;
};

// A face index selects no element of its list (0, beyond the end, or before the start).
class IndexError : public LoadError {
public:
    using LoadError::LoadError;
};

}  // namespace objl
