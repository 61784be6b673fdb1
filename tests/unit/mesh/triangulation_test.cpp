#include "mesh/mesh_loader.h"
#include "mesh/triangulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using objl::Vector3;
using Indices = std::vector<std::uint32_t>;

struct InsideCase {
    Vector3 point;
    bool inside;
};

class PointInTriangle : public testing::TestWithParam<InsideCase> {};

TEST_P(PointInTriangle, BarycentricWeightsWithinBounds) {
    const InsideCase& c = GetParam();
    EXPECT_EQ(objl::pointInTriangle(c.point, Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 1, 0)), c.inside);
}

INSTANTIATE_TEST_SUITE_P(
    UnitTriangle, PointInTriangle,
    testing::Values(InsideCase{Vector3(0.25f, 0.25f, 0), true}, InsideCase{Vector3(0.8f, 0.1f, 0), true},
                    InsideCase{Vector3(0.1f, 0.8f, 0), true}, InsideCase{Vector3(0.5f, 0.5f, 0), true},
                    InsideCase{Vector3(0, 0, 0), true}, InsideCase{Vector3(1, 0, 0), true},
                    InsideCase{Vector3(0, 1, 0), true},
                    InsideCase{Vector3(0.25f, 0.25f, 5), true},  // judged by its projection
                    InsideCase{Vector3(0.6f, 0.6f, 0), false}, InsideCase{Vector3(-0.1f, 0.5f, 0), false},
                    InsideCase{Vector3(2, 0, 0), false},
                    InsideCase{Vector3(std::numeric_limits<float>::quiet_NaN(), 0, 0), false}));

TEST(PointInTriangle, DegenerateTriangleContainsNothing) {
    EXPECT_FALSE(objl::pointInTriangle(Vector3(1, 0, 0), Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(2, 0, 0)));
    EXPECT_FALSE(objl::pointInTriangle(Vector3(0, 0, 0), Vector3(0, 0, 0), Vector3(0, 0, 0), Vector3(0, 0, 0)));
}

std::vector<objl::Vertex> face(const std::vector<Vector3>& positions) {
    std::vector<objl::Vertex> corners;
    for (const Vector3& p : positions) {
        objl::Vertex v;
        v.position = p;
        corners.push_back(v);
    }
    return corners;
}

std::vector<Vector3> regularPolygon(int n) {
    std::vector<Vector3> corners;
    for (int k = 0; k < n; ++k) {
        const double a = 2.0 * 3.14159265358979 * k / n;
        corners.emplace_back(static_cast<float>(std::cos(a)), static_cast<float>(std::sin(a)), 0.0f);
    }
    return corners;
}

struct TriangulateCase {
    std::string name;
    std::vector<Vector3> corners;
    Indices expected;
};

class Triangulate : public testing::TestWithParam<TriangulateCase> {};

TEST_P(Triangulate, FaceLocalIndices) {
    const TriangulateCase& c = GetParam();
    Indices out{99};  // appended to, never replaced
    MeshLoader::triangulate(out, face(c.corners));
    Indices expected{99};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(out, expected);
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Faces, Triangulate,
    testing::Values(
        TriangulateCase{"Empty", {}, {}},
        TriangulateCase{"TwoCorners", {Vector3(0, 0, 0), Vector3(1, 0, 0)}, {}},
        TriangulateCase{"Triangle", {Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 1, 0)}, {0, 1, 2}},
        TriangulateCase{"Quadrilateral",
                        {Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(1, 1, 0), Vector3(0, 1, 0)},
                        {0, 1, 3, 1, 2, 3}},
        TriangulateCase{"RegularPentagon", regularPolygon(5), {0, 1, 4, 1, 2, 4, 2, 3, 4}},
        TriangulateCase{"RegularHexagon", regularPolygon(6), {0, 1, 5, 1, 2, 5, 2, 3, 5, 3, 4, 5}},
        TriangulateCase{"PentagonWithInnerCorner",
                        {Vector3(0, 0, 0), Vector3(2, 0, 0), Vector3(2, 2, 0), Vector3(1, 0.5f, 0), Vector3(0, 2, 0)},
                        {1, 2, 3, 0, 1, 4, 1, 3, 4}},
        TriangulateCase{"QuadrilateralWithSharedPosition",
                        {Vector3(1, 1, 1), Vector3(2, 2, 2), Vector3(2, 2, 2), Vector3(3, 1, 1)},
                        {0, 1, 2, 3, 1, 2, 3}},
        // Every corner on one line: each ear test meets a degenerate triangle and finds no
        // corner inside, so corners are clipped in turn and the last four get the fixed split.
        TriangulateCase{"CollinearPentagon",
                        {Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(2, 0, 0), Vector3(3, 0, 0), Vector3(4, 0, 0)},
                        {0, 1, 4, 1, 2, 4, 2, 3, 4}},
        // After corner 0 is clipped no corner is an ear (clipped corners still count as
        // inside): the scan would repeat forever, so the rest is fanned from its first corner.
        TriangulateCase{"StuckAfterAClipIsFanned",
                        {Vector3(1, 3, 0), Vector3(3, 4, 0), Vector3(0, 3, 0), Vector3(3, 2, 0), Vector3(1, 4, 0),
                         Vector3(0, 1, 0)},
                        {0, 1, 5, 1, 2, 3, 1, 3, 4, 1, 4, 5}},
        // A NaN corner equals no position: it is removed by its place and named by no index.
        TriangulateCase{"NaNCornerEnds",
                        {Vector3(kNaN, 0, 0), Vector3(1, 0, 0), Vector3(1, 1, 0), Vector3(0, 1, 0), Vector3(-1, 0, 0)},
                        {1, 4, 1, 2, 4, 2, 3, 4}}),
    [](const testing::TestParamInfo<TriangulateCase>& info) { return info.param.name; });

TEST(Triangulate, FaceWithoutAnEarYieldsNothing) {
    // Every corner's triangle holds another corner, so the first scan clips nothing.
    const std::vector<Vector3> tangle{Vector3(3, 5, 0), Vector3(1, 3, 0), Vector3(0, 6, 0), Vector3(3, 4, 0),
                                      Vector3(0, 0, 0), Vector3(1, 4, 0), Vector3(5, 3, 0)};
    Indices out;
    MeshLoader::triangulate(out, face(tangle));
    EXPECT_TRUE(out.empty());
}

TEST(Triangulate, LargeFacesEndAndStayInsideTheFace) {
    for (int n : {7, 12, 40}) {
        Indices out;
        MeshLoader::triangulate(out, face(regularPolygon(n)));
        EXPECT_EQ(out.size(), 3u * static_cast<std::size_t>(n - 2)) << n;
        for (std::uint32_t index : out) EXPECT_LT(index, static_cast<std::uint32_t>(n));
    }
}

}  // namespace
