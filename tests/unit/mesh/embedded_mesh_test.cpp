// The program's own rectangle: what the loader makes of resources 141 and 140.
#include "mesh/mesh_loader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string withoutCarriageReturnLineFeeds(std::string text) {
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
    return text;
}

TEST(EmbeddedMesh, LoadsOneRectangleWithItsMaterial) {
    MeshLoader loader;
    testing::internal::CaptureStdout();
    const bool loaded = loader.load(141, 140);
    // The C runtime of the Windows build writes line ends as CR LF.
    const std::string output = withoutCarriageReturnLineFeeds(testing::internal::GetCapturedStdout());
    ASSERT_TRUE(loaded);

    const std::string progress = "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";
    EXPECT_EQ(output, "\n" + progress + "\n" + progress + progress + "\t| material: wire_198225087\n");

    ASSERT_EQ(loader.meshes.size(), 1u);
    const objl::Mesh& mesh = loader.meshes[0];
    EXPECT_EQ(mesh.name, "Plane001");
    EXPECT_EQ(mesh.indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    ASSERT_EQ(mesh.vertices.size(), 6u);
    const float positions[6][3] = {{-1, 1, 0}, {-1, -1, -0.0f}, {1, 1, 0}, {1, -1, -0.0f}, {1, 1, 0}, {-1, -1, -0.0f}};
    const float texCoords[6][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}};
    for (std::size_t i = 0; i < 6; ++i) {
        const objl::Vertex& v = mesh.vertices[i];
        EXPECT_EQ(v.position, objl::Vector3(positions[i][0], positions[i][1], positions[i][2])) << i;
        EXPECT_EQ(v.texCoord.x, texCoords[i][0]) << i;
        EXPECT_EQ(v.texCoord.y, texCoords[i][1]) << i;
        EXPECT_EQ(v.normal, objl::Vector3(0, -0.0f, 1)) << i;
    }
    EXPECT_EQ(loader.vertices.size(), 6u);
    EXPECT_EQ(loader.indices.size(), 6u);
    ASSERT_EQ(loader.materials.size(), 1u);

    const objl::Material& m = mesh.material;
    EXPECT_EQ(m.name, "wire_198225087");
    EXPECT_EQ(m.Ka, objl::Vector3(0.7765f, 0.8824f, 0.3412f));
    EXPECT_EQ(m.Kd, objl::Vector3(0.7765f, 0.8824f, 0.3412f));
    EXPECT_EQ(m.Ks, objl::Vector3(0.35f, 0.35f, 0.35f));
    EXPECT_EQ(m.Ns, 32.0f);
    EXPECT_EQ(m.Ni, 0.0f);
    EXPECT_EQ(m.d, 1.0f);
    EXPECT_EQ(m.illum, 2);
    EXPECT_TRUE(m.map_Ka.empty() && m.map_Kd.empty() && m.map_Ks.empty() && m.map_Ns.empty() && m.map_d.empty() &&
                m.map_bump.empty());
}

}  // namespace
