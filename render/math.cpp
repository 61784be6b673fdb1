#include "render/math.h"

#include <cmath>

float sine(float x) { return static_cast<float>(std::sin(static_cast<double>(x))); }
float cosine(float x) { return static_cast<float>(std::cos(static_cast<double>(x))); }
float tangent(float x) { return static_cast<float>(std::tan(static_cast<double>(x))); }
float squareRoot(float x) { return static_cast<float>(std::sqrt(static_cast<double>(x))); }

Vec2 operator-(const Vec2& a, const Vec2& b) {
    Vec2 r;
    for (std::size_t i = 0; i < Vec2::size(); ++i) r[i] = a[i] - b[i];
    return r;
}

Vec3 operator-(const Vec3& a, const Vec3& b) {
    Vec3 r;
    for (std::size_t i = 0; i < Vec3::size(); ++i) r[i] = a[i] - b[i];
    return r;
}

Vec3 operator+(const Vec3& a, const Vec3& b) {
    Vec3 r;
    for (std::size_t i = 0; i < Vec3::size(); ++i) r[i] = a[i] + b[i];
    return r;
}

Vec3 operator-(const Vec3& a) {
    Vec3 r;
    for (std::size_t i = 0; i < Vec3::size(); ++i) r[i] = -a[i];
    return r;
}

Vec3 operator*(const Vec3& a, float s) {
    Vec3 r;
    for (std::size_t i = 0; i < Vec3::size(); ++i) r[i] = a[i] * s;
    return r;
}

Vec3 operator*(float s, const Vec3& a) { return a * s; }

Vec3 operator/(const Vec3& a, float s) {
    Vec3 r;
    for (std::size_t i = 0; i < Vec3::size(); ++i) r[i] = a[i] / s;
    return r;
}

Mat4 operator*(const Mat4& a, const Mat4& b) {
    Mat4 r(0.0f);
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (std::size_t k = 0; k < 4; ++k) sum += a[k][j] * b[i][k];
            r[i][j] = sum;
        }
    }
    return r;
}

float length(const Vec3& v) {
    float sum = 0.0f;
    for (std::size_t i = 0; i < Vec3::size(); ++i) sum += v[i] * v[i];
    return squareRoot(sum);
}

Vec3 normalize(const Vec3& v) { return v / length(v); }

Vec3 cross(const Vec3& a, const Vec3& b) {
    return Vec3(a[1] * b[2] - b[1] * a[2], a[2] * b[0] - b[2] * a[0], a[0] * b[1] - b[0] * a[1]);
}

float radians(float degrees) { return degrees * 0.017453292f; }

Mat4 perspective(float fovyDegrees, float aspect, float nearDistance, float farDistance) {
    const float q = 1.0f / tangent(radians(0.5f * fovyDegrees));
    const float a = q / aspect;
    const float b = (nearDistance + farDistance) / (nearDistance - farDistance);
    const float c = (2.0f * nearDistance) * farDistance / (nearDistance - farDistance);
    return Mat4(Vec4(a, 0, 0, 0), Vec4(0, q, 0, 0), Vec4(0, 0, b, -1), Vec4(0, 0, c, 0));
}

Mat4 translate(float x, float y, float z) {
    return Mat4(Vec4(1, 0, 0, 0), Vec4(0, 1, 0, 0), Vec4(0, 0, 1, 0), Vec4(x, y, z, 1));
}

Mat4 translate(const Vec3& offset) { return translate(offset[0], offset[1], offset[2]); }

Mat4 lookAt(const Vec3& eye, const Vec3& center, const Vec3& up) {
    const Vec3 fw = normalize(center - eye);
    const Vec3 n = normalize(up);
    const Vec3 s = cross(fw, n);
    const Vec3 u = cross(s, fw);
    const Mat4 m(Vec4(s[0], u[0], -fw[0], 0), Vec4(s[1], u[1], -fw[1], 0), Vec4(s[2], u[2], -fw[2], 0),
                 Vec4(0, 0, 0, 1));
    return m * translate(-eye);
}
