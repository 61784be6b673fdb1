#include "render/camera.h"
#include "render/shader_inputs.h"

#include "tests/unit/render/math_expect.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(Camera, ConstructionSetsTheFrame) {
    const Camera camera(0, 0, 100);
    expectVec3Near(camera.position(), Vec3(0, 0, 100));
    expectVec3Near(camera.target(), Vec3(0, 0, 99));
    expectVec3Near(camera.front(), Vec3(0, 0, -1));
    expectVec3Near(camera.right(), Vec3(1, 0, 0));
    expectVec3Near(camera.up(), Vec3(0, 1, 0));
    EXPECT_EQ(camera.activeView(), 0);
    // The slots and the projection start as the identity, so an early read is harmless.
    expectMat4Eq(camera.viewMatrix(), Mat4::identity());
    expectMat4Eq(camera.projectionMatrix(), Mat4::identity());
}

TEST(Camera, UpdateViewAtTheStartingPointIsTheTranslation) {
    Camera camera(0, 0, 100);
    camera.updateView(0);
    expectMat4Near(camera.viewMatrix(), translate(0, 0, -100));
}

struct PitchCase {
    float degrees;
    Vec3 front;
    Vec3 up;
};

class CameraPitch : public testing::TestWithParam<PitchCase> {};

TEST_P(CameraPitch, TurnsFrontAndUpAboutRight) {
    const PitchCase& c = GetParam();
    Camera camera(0, 0, 100);
    camera.pitch(c.degrees);
    expectVec3Near(camera.front(), c.front);
    expectVec3Near(camera.up(), c.up);
    expectVec3Near(camera.right(), Vec3(1, 0, 0));
    expectVec3Near(camera.target(), camera.position() + camera.front());
}

INSTANTIATE_TEST_SUITE_P(
    Angles, CameraPitch,
    testing::Values(PitchCase{0.0f, Vec3(0, 0, -1), Vec3(0, 1, 0)},
                    PitchCase{1.0f, Vec3(0, 0.0174524f, -0.9998477f), Vec3(0, 0.9998477f, 0.0174524f)},
                    PitchCase{-1.0f, Vec3(0, -0.0174524f, -0.9998477f), Vec3(0, 0.9998477f, -0.0174524f)},
                    PitchCase{90.0f, Vec3(0, 1, 0), Vec3(0, 0, 1)},
                    PitchCase{-90.0f, Vec3(0, -1, 0), Vec3(0, 0, -1)},
                    PitchCase{180.0f, Vec3(0, 0, 1), Vec3(0, -1, 0)}));

TEST(Camera, PitchZeroLeavesTheFrameExactly) {
    Camera camera(0, 0, 100);
    camera.pitch(0);
    EXPECT_EQ(camera.front()[0], 0.0f);
    EXPECT_EQ(camera.front()[1], 0.0f);
    EXPECT_EQ(camera.front()[2], -1.0f);
    EXPECT_EQ(camera.up()[1], 1.0f);
    EXPECT_EQ(camera.up()[2], 0.0f);
}

TEST(Camera, PitchOneDegreeThenUpdateView) {
    Camera camera(0, 0, 100);
    camera.pitch(1);
    camera.updateView(0);
    expectVec3Near(camera.target(), Vec3(0, 0.0174524f, 99.000153f));
    expectMat4Near(camera.viewMatrix(),
                   Mat4(Vec4(1, 0, 0, 0), Vec4(0, 0.9998477f, -0.0174524f, 0), Vec4(0, 0.0174524f, 0.9998477f, 0),
                        Vec4(0, -1.745241f, -99.98477f, 1)));
}

TEST(Camera, PitchAloneDoesNotChangeTheViewMatrix) {
    Camera camera(0, 0, 100);
    camera.updateView(0);
    const Mat4 before = camera.viewMatrix();
    camera.pitch(10);
    expectMat4Eq(camera.viewMatrix(), before);
    camera.updateView(0);
    EXPECT_NE(camera.viewMatrix()[1][2], before[1][2]);
}

TEST(Camera, ViewSlots) {
    Camera camera(0, 0, 100);
    camera.updateView(0);
    camera.pitch(90);
    camera.updateView(3);
    EXPECT_EQ(camera.activeView(), 3);
    const Mat4 slot3 = camera.viewMatrix();
    camera.setActiveView(0);
    EXPECT_EQ(camera.activeView(), 0);
    expectMat4Near(camera.viewMatrix(), translate(0, 0, -100));
    camera.setActiveView(3);
    expectMat4Eq(camera.viewMatrix(), slot3);
}

class CameraBadSlot : public testing::TestWithParam<int> {};

TEST_P(CameraBadSlot, IsRefusedAndChangesNothing) {
    Camera camera(0, 0, 100);
    camera.updateView(1);
    EXPECT_THROW(camera.updateView(GetParam()), std::out_of_range);
    EXPECT_THROW(camera.setActiveView(GetParam()), std::out_of_range);
    EXPECT_EQ(camera.activeView(), 1);
}

INSTANTIATE_TEST_SUITE_P(OutsideZeroToFour, CameraBadSlot, testing::Values(-1, 5, 1000, -2147483647 - 1));

TEST(Camera, ProjectionIsStoredAsGiven) {
    Camera camera(0, 0, 100);
    const Mat4 p = perspective(50.0f, 4.0f / 3.0f, 0.1f, 1000.0f);
    camera.setProjection(p);
    expectMat4Eq(camera.projectionMatrix(), p);
}

TEST(ShaderInputs, TimeStartsAtTheGivenValue) {
    ShaderInputs inputs(0.0f);
    EXPECT_EQ(inputs.time(), 0.0f);
    inputs.setViewport(800.0f, 600.0f);
    EXPECT_EQ(inputs.time(), 0.0f);
    inputs.setTime(1.5f);
    EXPECT_EQ(inputs.time(), 1.5f);
    EXPECT_EQ(inputs.viewportWidth(), 800.0f);
    EXPECT_EQ(inputs.viewportHeight(), 600.0f);
    EXPECT_EQ(ShaderInputs(2.25f).time(), 2.25f);
}

}  // namespace
