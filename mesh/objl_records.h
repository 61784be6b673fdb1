#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// The value types in which the OBJ/MTL loader hands over a mesh. They are kept apart from
// the renderer's math types on purpose: the drawable copies components across by hand.
namespace objl {

struct Vector2 {
    Vector2() = default;
    Vector2(float x_, float y_) : x(x_), y(y_) {}

    float x = 0.0f;
    float y = 0.0f;
};

struct Vector3 {
    Vector3() = default;
    Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// Exact float comparison, no tolerance: it decides which face corners are the same vertex.
// 0 equals -0; a NaN component makes a vector unequal to everything, itself included.
inline bool operator==(const Vector3& a, const Vector3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
inline bool operator!=(const Vector3& a, const Vector3& b) { return !(a == b); }
inline Vector3 operator-(const Vector3& a, const Vector3& b) { return Vector3(a.x - b.x, a.y - b.y, a.z - b.z); }

inline Vector3 cross(const Vector3& a, const Vector3& b) {
    return Vector3(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

inline float dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

struct Vertex {
    Vector3 position;
    Vector3 normal;  // as read, or generated for the face; not normalised
    Vector2 texCoord;
};

// Each field is filled from the MTL keyword of the same name. All defaults are zero or
// empty, d included (a material the text never mentions is fully transparent).
struct Material {
    std::string name;
    Vector3 Ka;
    Vector3 Kd;
    Vector3 Ks;
    float Ns = 0.0f;
    float Ni = 0.0f;
    float d = 0.0f;
    std::int32_t illum = 0;
    std::string map_Ka;
    std::string map_Kd;
    std::string map_Ks;
    std::string map_Ns;
    std::string map_d;
    std::string map_bump;
};

struct Mesh {
    Mesh() = default;
    Mesh(std::vector<Vertex> vertices_, std::vector<std::uint32_t> indices_)
        : vertices(std::move(vertices_)), indices(std::move(indices_)) {}

    std::string name;
    std::vector<Vertex> vertices;        // one per face corner, in reading order
    std::vector<std::uint32_t> indices;  // into vertices, three per triangle
    Material material;
};

}  // namespace objl
