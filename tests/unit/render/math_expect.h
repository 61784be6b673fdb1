#pragma once

#include "render/math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// Tolerance for reference values known to about seven significant digits.
inline float referenceTolerance(float expected) { return std::max(2e-6f, std::fabs(expected) * 2e-6f); }

inline void expectVec3Near(const Vec3& actual, const Vec3& expected) {
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(actual[i], expected[i], referenceTolerance(expected[i])) << "component " << i;
    }
}

inline void expectVec4Near(const Vec4& actual, const Vec4& expected) {
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(actual[i], expected[i], referenceTolerance(expected[i])) << "component " << i;
    }
}

inline void expectMat4Near(const Mat4& actual, const Mat4& expected) {
    for (std::size_t c = 0; c < 4; ++c) {
        for (std::size_t r = 0; r < 4; ++r) {
            EXPECT_NEAR(actual[c][r], expected[c][r], referenceTolerance(expected[c][r])) << "column " << c << ", row " << r;
        }
    }
}

// Bit-for-bit the same floats (0 and -0 count as equal).
inline void expectMat4Eq(const Mat4& actual, const Mat4& expected) {
    for (std::size_t c = 0; c < 4; ++c) {
        for (std::size_t r = 0; r < 4; ++r) {
            EXPECT_EQ(actual[c][r], expected[c][r]) << "column " << c << ", row " << r;
        }
    }
}
