#include "render/math.h"

#include "tests/unit/render/math_expect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// --- radians and the trigonometry -------------------------------------------------------

struct RadiansCase {
    float degrees;
    float radians;
};

class Radians : public testing::TestWithParam<RadiansCase> {};

TEST_P(Radians, MultipliesBySinglePrecisionPiOver180) {
    const RadiansCase& c = GetParam();
    EXPECT_EQ(radians(c.degrees), c.radians) << c.degrees << " degrees";
}

INSTANTIATE_TEST_SUITE_P(Degrees, Radians,
                         testing::Values(RadiansCase{0.0f, 0.0f}, RadiansCase{1.0f, 0.017453292f},
                                         RadiansCase{-1.0f, -0.017453292f},
                                         RadiansCase{90.0f, 90.0f * 0.017453292f},
                                         RadiansCase{180.0f, 180.0f * 0.017453292f},
                                         RadiansCase{25.0f, 25.0f * 0.017453292f}));

struct TrigCase {
    float x;
};

class Trigonometry : public testing::TestWithParam<TrigCase> {};

TEST_P(Trigonometry, EvaluatedInDoubleAndRounded) {
    const float x = GetParam().x;
    EXPECT_EQ(sine(x), static_cast<float>(std::sin(static_cast<double>(x))));
    EXPECT_EQ(cosine(x), static_cast<float>(std::cos(static_cast<double>(x))));
    EXPECT_EQ(tangent(x), static_cast<float>(std::tan(static_cast<double>(x))));
    if (x >= 0.0f) {
        EXPECT_EQ(squareRoot(x), static_cast<float>(std::sqrt(static_cast<double>(x))));
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, Trigonometry,
                         testing::Values(TrigCase{0.0f}, TrigCase{0.017453292f}, TrigCase{0.43633232f},
                                         TrigCase{1.5707963f}, TrigCase{-2.5f}, TrigCase{1000.0f},
                                         TrigCase{2.0f}));

TEST(Trigonometry, OneDegree) {
    const float a = radians(1.0f);
    EXPECT_NEAR(sine(a), 0.0174524058f, 1e-9f);
    EXPECT_NEAR(cosine(a), 0.99984771f, 1e-7f);
}

// --- vector arithmetic --------------------------------------------------------------------

TEST(Vectors, ComponentCountsAndLayout) {
    EXPECT_EQ(Vec2::size(), 2u);
    EXPECT_EQ(Vec3::size(), 3u);
    EXPECT_EQ(Vec4::size(), 4u);
    const Vec3 v(1, 2, 3);
    EXPECT_EQ(v[0], 1.0f);
    EXPECT_EQ(v[1], 2.0f);
    EXPECT_EQ(v[2], 3.0f);
    Vec4 w(1, 2, 3, 4);
    w[3] = 9.0f;
    EXPECT_EQ(w[3], 9.0f);
    const Vec4 zero;
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(zero[i], 0.0f);
}

TEST(Vectors, ComponentWiseOperations) {
    const Vec3 a(1, 2, 3);
    const Vec3 b(0.5f, -4, 8);
    expectVec3Near(a - b, Vec3(0.5f, 6, -5));
    expectVec3Near(a + b, Vec3(1.5f, -2, 11));
    expectVec3Near(-a, Vec3(-1, -2, -3));
    expectVec3Near(a * 2.0f, Vec3(2, 4, 6));
    expectVec3Near(2.0f * a, Vec3(2, 4, 6));
    expectVec3Near(a / 4.0f, Vec3(0.25f, 0.5f, 0.75f));
    const Vec2 d = Vec2(3, 1) - Vec2(1, 5);
    EXPECT_EQ(d[0], 2.0f);
    EXPECT_EQ(d[1], -4.0f);
}

TEST(Vectors, DivisionByZeroIsNotChecked) {
    const Vec3 r = Vec3(1, -1, 0) / 0.0f;
    EXPECT_TRUE(std::isinf(r[0]) && r[0] > 0);
    EXPECT_TRUE(std::isinf(r[1]) && r[1] < 0);
    EXPECT_TRUE(std::isnan(r[2]));
}

struct LengthCase {
    Vec3 v;
    float length;
};

class Length : public testing::TestWithParam<LengthCase> {};

TEST_P(Length, SquareRootOfSumOfSquares) {
    const LengthCase& c = GetParam();
    EXPECT_EQ(length(c.v), c.length);
}

INSTANTIATE_TEST_SUITE_P(Vectors, Length,
                         testing::Values(LengthCase{Vec3(0, 0, 0), 0.0f}, LengthCase{Vec3(3, 4, 0), 5.0f},
                                         LengthCase{Vec3(1, 2, 2), 3.0f}, LengthCase{Vec3(0, 0, -7), 7.0f},
                                         LengthCase{Vec3(1, 1, 1), static_cast<float>(std::sqrt(3.0))}));

TEST(Normalize, UnitVector) {
    expectVec3Near(normalize(Vec3(0, 3, -4)), Vec3(0, 0.6f, -0.8f));
    EXPECT_NEAR(length(normalize(Vec3(1, 2, 3))), 1.0f, 1e-6f);
}

TEST(Normalize, ZeroVectorGivesNonFiniteComponentsWithoutError) {
    const Vec3 r = normalize(Vec3(0, 0, 0));
    for (std::size_t i = 0; i < 3; ++i) EXPECT_FALSE(std::isfinite(r[i])) << i;
}

struct CrossCase {
    Vec3 a;
    Vec3 b;
    Vec3 expected;
};

class Cross : public testing::TestWithParam<CrossCase> {};

TEST_P(Cross, ByTheFormula) {
    const CrossCase& c = GetParam();
    expectVec3Near(cross(c.a, c.b), c.expected);
    expectVec3Near(cross(c.b, c.a), -c.expected);
}

INSTANTIATE_TEST_SUITE_P(Vectors, Cross,
                         testing::Values(CrossCase{Vec3(1, 0, 0), Vec3(0, 1, 0), Vec3(0, 0, 1)},
                                         CrossCase{Vec3(0, 1, 0), Vec3(1, 0, 0), Vec3(0, 0, -1)},
                                         CrossCase{Vec3(0, 1, 0), Vec3(0, 0, 1), Vec3(1, 0, 0)},
                                         CrossCase{Vec3(2, 2, 2), Vec3(1, 1, 1), Vec3(0, 0, 0)},
                                         CrossCase{Vec3(1, 2, 3), Vec3(4, 5, 6), Vec3(-3, 6, -3)}));

// --- matrices -----------------------------------------------------------------------------

TEST(Mat4, ColumnMajorStorage) {
    Mat4 m;
    for (std::size_t c = 0; c < 4; ++c)
        for (std::size_t r = 0; r < 4; ++r) m[c][r] = static_cast<float>(10 * c + r);
    const float* data = m.data();
    for (std::size_t c = 0; c < 4; ++c)
        for (std::size_t r = 0; r < 4; ++r) EXPECT_EQ(data[4 * c + r], static_cast<float>(10 * c + r));
    EXPECT_EQ(static_cast<const void*>(data), static_cast<const void*>(&m));
}

TEST(Mat4, ConstructionForms) {
    const Mat4 zero(0.0f);
    const Mat4 fill(2.5f);
    const Mat4 defaulted;
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(zero.data()[i], 0.0f);
        EXPECT_EQ(fill.data()[i], 2.5f);  // a fill, not a diagonal
        EXPECT_EQ(defaulted.data()[i], 0.0f);
    }
    const Mat4 cols(Vec4(1, 2, 3, 4), Vec4(5, 6, 7, 8), Vec4(9, 10, 11, 12), Vec4(13, 14, 15, 16));
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(cols.data()[i], static_cast<float>(i + 1));
}

TEST(Mat4, UploadFormIsSixteenFloatsInStorageOrder) {
    const Mat4 t = translate(7, 8, 9);
    float uploaded[16];
    std::memcpy(uploaded, t.data(), sizeof uploaded);
    const float expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 7, 8, 9, 1};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(uploaded[i], expected[i]) << i;
}

struct PerspectiveCase {
    float fovy, aspect, nearDistance, farDistance;
    Mat4 expected;
};

class Perspective : public testing::TestWithParam<PerspectiveCase> {};

TEST_P(Perspective, Columns) {
    const PerspectiveCase& c = GetParam();
    expectMat4Near(perspective(c.fovy, c.aspect, c.nearDistance, c.farDistance), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Projections, Perspective,
    testing::Values(PerspectiveCase{50.0f, 4.0f / 3.0f, 0.1f, 1000.0f,
                                    Mat4(Vec4(1.6083802f, 0, 0, 0), Vec4(0, 2.1445069f, 0, 0),
                                         Vec4(0, 0, -1.0002f, -1), Vec4(0, 0, -0.20002f, 0))},
                    PerspectiveCase{90.0f, 1.0f, 1.0f, 3.0f,
                                    Mat4(Vec4(1, 0, 0, 0), Vec4(0, 1, 0, 0), Vec4(0, 0, -2, -1),
                                         Vec4(0, 0, -3, 0))},
                    PerspectiveCase{60.0f, 2.0f, 1.0f, 100.0f,
                                    Mat4(Vec4(0.8660254f, 0, 0, 0), Vec4(0, 1.7320508f, 0, 0),
                                         Vec4(0, 0, -1.0202020f, -1), Vec4(0, 0, -2.0202020f, 0))}));

TEST(Translate, ColumnThreeCarriesTheOffset) {
    const Mat4 expected(Vec4(1, 0, 0, 0), Vec4(0, 1, 0, 0), Vec4(0, 0, 1, 0), Vec4(0, 0, -100, 1));
    expectMat4Eq(translate(0, 0, -100), expected);
    expectMat4Eq(translate(Vec3(0, 0, -100)), expected);
    expectMat4Eq(translate(0, 0, 0), Mat4::identity());
}

struct LookAtCase {
    Vec3 eye, center, up;
    Mat4 expected;
};

class LookAt : public testing::TestWithParam<LookAtCase> {};

TEST_P(LookAt, ViewMatrix) {
    const LookAtCase& c = GetParam();
    expectMat4Near(lookAt(c.eye, c.center, c.up), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Views, LookAt,
    testing::Values(
        LookAtCase{Vec3(0, 0, 100), Vec3(0, 0, 99), Vec3(0, 1, 0), translate(0, 0, -100)},
        LookAtCase{Vec3(0, 0, 0), Vec3(0, 0, -1), Vec3(0, 5, 0), Mat4::identity()},  // up is normalised
        // Looking down -x from the origin: world -x becomes view -z.
        LookAtCase{Vec3(0, 0, 0), Vec3(-1, 0, 0), Vec3(0, 1, 0),
                   Mat4(Vec4(0, 0, 1, 0), Vec4(0, 1, 0, 0), Vec4(-1, 0, 0, 0), Vec4(0, 0, 0, 1))},
        LookAtCase{Vec3(1, 2, 3), Vec3(1, 2, 2), Vec3(0, 1, 0), translate(-1, -2, -3)}));

TEST(Product, IdentityIsNeutral) {
    const Mat4 m(Vec4(1, 2, 3, 4), Vec4(5, 6, 7, 8), Vec4(9, 10, 11, 12), Vec4(13, 14, 15, 16));
    expectMat4Eq(Mat4::identity() * m, m);
    expectMat4Eq(m * Mat4::identity(), m);
}

TEST(Product, ByTheFormula) {
    const Mat4 a(Vec4(1, 2, 3, 4), Vec4(5, 6, 7, 8), Vec4(9, 10, 11, 12), Vec4(13, 14, 15, 16));
    const Mat4 b(Vec4(2, 0, 1, 0), Vec4(0, 1, 0, 3), Vec4(1, 1, 1, 1), Vec4(0, 0, 0, 2));
    const Mat4 r = a * b;
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = 0; j < 4; ++j) {
            float sum = 0;
            for (std::size_t k = 0; k < 4; ++k) sum += a[k][j] * b[i][k];
            EXPECT_EQ(r[i][j], sum) << i << "," << j;
        }
    }
    // Column 0 of b is 2·a0 + a2.
    expectVec4Near(r[0], Vec4(2 + 9, 4 + 10, 6 + 11, 8 + 12));
}

TEST(Product, IsNotCommutative) {
    // M scales x by 2. T·M shifts M's result by +1 in x; M·T shifts the point first (by +2 after M).
    const Mat4 m(Vec4(2, 0, 0, 0), Vec4(0, 1, 0, 0), Vec4(0, 0, 1, 0), Vec4(0, 0, 0, 1));
    const Mat4 t = translate(1, 0, 0);
    expectVec4Near((t * m)[3], Vec4(1, 0, 0, 1));
    expectVec4Near((m * t)[3], Vec4(2, 0, 0, 1));
    expectVec4Near((t * m)[0], Vec4(2, 0, 0, 0));
}

}  // namespace
