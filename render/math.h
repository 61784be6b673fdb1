#pragma once

#include <cstddef>

// Single-precision vector and matrix value types shaped after the GLSL types.
// Matrices are column-major: column c, row r is float number 4c + r, so data() can be
// handed to a matrix-uniform upload unchanged (count 1, transpose false).
//
// Default construction zero-fills every component. All arithmetic is single precision;
// sine, cosine, tangent and square root are evaluated in double precision on the widened
// argument and rounded to float (see sine, cosine, tangent, squareRoot).

struct Vec2 {
    float v[2];

    constexpr Vec2() : v{0.0f, 0.0f} {}
    constexpr Vec2(float x, float y) : v{x, y} {}

    static constexpr std::size_t size() { return 2; }
    float& operator[](std::size_t i) { return v[i]; }
    const float& operator[](std::size_t i) const { return v[i]; }
};

struct Vec3 {
    float v[3];

    constexpr Vec3() : v{0.0f, 0.0f, 0.0f} {}
    constexpr Vec3(float x, float y, float z) : v{x, y, z} {}

    static constexpr std::size_t size() { return 3; }
    float& operator[](std::size_t i) { return v[i]; }
    const float& operator[](std::size_t i) const { return v[i]; }
};

struct Vec4 {
    float v[4];

    constexpr Vec4() : v{0.0f, 0.0f, 0.0f, 0.0f} {}
    constexpr Vec4(float x, float y, float z, float w) : v{x, y, z, w} {}

    static constexpr std::size_t size() { return 4; }
    float& operator[](std::size_t i) { return v[i]; }
    const float& operator[](std::size_t i) const { return v[i]; }
};

struct Mat4 {
    Vec4 columns[4];

    // All 16 elements zero.
    constexpr Mat4() : columns{} {}
    // All 16 elements s: a fill, not a diagonal.
    explicit constexpr Mat4(float s) : columns{Vec4(s, s, s, s), Vec4(s, s, s, s), Vec4(s, s, s, s), Vec4(s, s, s, s)} {}
    // The four columns in order.
    constexpr Mat4(const Vec4& c0, const Vec4& c1, const Vec4& c2, const Vec4& c3) : columns{c0, c1, c2, c3} {}

    static constexpr Mat4 identity() {
        return Mat4(Vec4(1, 0, 0, 0), Vec4(0, 1, 0, 0), Vec4(0, 0, 1, 0), Vec4(0, 0, 0, 1));
    }

    static constexpr std::size_t size() { return 4; }
    Vec4& operator[](std::size_t c) { return columns[c]; }
    const Vec4& operator[](std::size_t c) const { return columns[c]; }

    // The element in column 0, row 0, followed by the other 15 in storage order.
    float* data() { return &columns[0].v[0]; }
    const float* data() const { return &columns[0].v[0]; }
};

static_assert(sizeof(Vec2) == 2 * sizeof(float), "Vec2 is 2 consecutive floats");
static_assert(sizeof(Vec3) == 3 * sizeof(float), "Vec3 is 3 consecutive floats");
static_assert(sizeof(Vec4) == 4 * sizeof(float), "Vec4 is 4 consecutive floats");
static_assert(sizeof(Mat4) == 16 * sizeof(float), "Mat4 is 16 contiguous floats");

// Double-precision evaluation on the widened argument, rounded to float.
float sine(float x);
float cosine(float x);
float tangent(float x);
float squareRoot(float x);

Vec2 operator-(const Vec2& a, const Vec2& b);
Vec3 operator-(const Vec3& a, const Vec3& b);
Vec3 operator+(const Vec3& a, const Vec3& b);
Vec3 operator-(const Vec3& a);
Vec3 operator*(const Vec3& a, float s);
Vec3 operator*(float s, const Vec3& a);
// No check for zero.
Vec3 operator/(const Vec3& a, float s);
// R[i][j] = sum over k of A[k][j] * B[i][k]: applied to a column vector, B acts first.
Mat4 operator*(const Mat4& a, const Mat4& b);

// Square root of the single-precision sum of squares, in index order.
float length(const Vec3& v);
// v / length(v); a zero vector gives non-finite components and no error.
Vec3 normalize(const Vec3& v);
Vec3 cross(const Vec3& a, const Vec3& b);

// degrees * 0.017453292f
float radians(float degrees);
// Vertical field of view in degrees; the eye looks down -z; depth maps to -1..1.
Mat4 perspective(float fovyDegrees, float aspect, float nearDistance, float farDistance);
Mat4 translate(float x, float y, float z);
Mat4 translate(const Vec3& offset);
Mat4 lookAt(const Vec3& eye, const Vec3& center, const Vec3& up);
