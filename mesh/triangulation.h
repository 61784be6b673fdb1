#pragma once

#include "mesh/objl_records.h"

namespace objl {

// Whether point lies in the triangle a, b, c, bounds included; a point off the plane is
// judged by its projection onto it. A degenerate triangle (or any NaN) gives false.
bool pointInTriangle(const Vector3& point, const Vector3& a, const Vector3& b, const Vector3& c);

}  // namespace objl
