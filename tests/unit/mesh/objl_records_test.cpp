#include "mesh/objl_records.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using objl::Vector3;

const float kNaN = std::numeric_limits<float>::quiet_NaN();

struct EqualityCase {
    Vector3 a;
    Vector3 b;
    bool equal;
};

class Vector3Equality : public testing::TestWithParam<EqualityCase> {};

TEST_P(Vector3Equality, ExactWithoutTolerance) {
    const EqualityCase& c = GetParam();
    EXPECT_EQ(c.a == c.b, c.equal);
    EXPECT_EQ(c.a != c.b, !c.equal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Vector3Equality,
    testing::Values(EqualityCase{Vector3(1, 2, 3), Vector3(1, 2, 3), true},
                    EqualityCase{Vector3(0, 0, 0), Vector3(-0.0f, 0, -0.0f), true},
                    EqualityCase{Vector3(1, 2, 3), Vector3(1, 2, 3.0000002f), false},
                    EqualityCase{Vector3(kNaN, 0, 0), Vector3(kNaN, 0, 0), false},
                    EqualityCase{Vector3(0, 0, kNaN), Vector3(0, 0, 0), false}));

TEST(Vector3Ops, CrossAndDot) {
    const Vector3 a(1, 2, 3), b(4, 5, 6);
    const Vector3 ab = objl::cross(a, b);
    const Vector3 ba = objl::cross(b, a);
    EXPECT_EQ(ab, Vector3(-3, 6, -3));
    EXPECT_EQ(ba, Vector3(3, -6, 3));
    EXPECT_EQ(objl::cross(a, Vector3(2, 4, 6)), Vector3(0, 0, 0));  // parallel
    EXPECT_EQ(objl::cross(Vector3(1, 0, 0), Vector3(0, 1, 0)), Vector3(0, 0, 1));
    EXPECT_EQ(objl::dot(a, b), 32.0f);
    EXPECT_EQ(a - b, Vector3(-3, -3, -3));
}

TEST(Records, DefaultsAreZeroOrEmpty) {
    const objl::Vertex vertex;
    EXPECT_EQ(vertex.position, Vector3(0, 0, 0));
    EXPECT_EQ(vertex.normal, Vector3(0, 0, 0));
    EXPECT_EQ(vertex.texCoord.x, 0.0f);
    EXPECT_EQ(vertex.texCoord.y, 0.0f);
    const objl::Material material;
    EXPECT_EQ(material.d, 0.0f);
    EXPECT_EQ(material.Ns, 0.0f);
    EXPECT_EQ(material.illum, 0);
    EXPECT_TRUE(material.name.empty());
    EXPECT_TRUE(material.map_bump.empty());
    EXPECT_EQ(material.Kd, Vector3(0, 0, 0));
}

TEST(Records, MeshCopiesAreDeep) {
    objl::Mesh original({objl::Vertex(), objl::Vertex()}, {0, 1, 1});
    EXPECT_TRUE(original.name.empty());
    original.material.name = "m";
    objl::Mesh copy = original;
    copy.vertices.push_back(objl::Vertex());
    copy.vertices[0].position = Vector3(5, 5, 5);
    copy.indices[0] = 7;
    copy.material.name = "changed";
    EXPECT_EQ(original.vertices.size(), 2u);
    EXPECT_EQ(original.vertices[0].position, Vector3(0, 0, 0));
    EXPECT_EQ(original.indices[0], 0u);
    EXPECT_EQ(original.material.name, "m");
}

}  // namespace
