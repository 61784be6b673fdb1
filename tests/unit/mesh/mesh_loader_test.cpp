#include "mesh/mesh_loader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <exception>
#include <regex>
#include <string>
#include <vector>

namespace {

using objl::Vector3;

// One load with standard output captured and any exception kept.
struct LoadRun {
    bool result = false;
    std::string out;
    std::exception_ptr error;
};

LoadRun loadCaptured(MeshLoader& loader, const std::string& obj, const std::string& mtl = "") {
    LoadRun run;
    testing::internal::CaptureStdout();
    try {
        run.result = loader.loadTexts(obj, mtl);
    } catch (...) {
        run.error = std::current_exception();
    }
    run.out = testing::internal::GetCapturedStdout();
    return run;
}

LoadRun loadCaptured(const std::string& obj, const std::string& mtl = "") {
    MeshLoader loader;
    return loadCaptured(loader, obj, mtl);
}

std::string crlf(const std::string& text) { return std::regex_replace(text, std::regex("\n"), "\r\n"); }

void expectVector3(const Vector3& actual, const Vector3& expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
}

// The shape of the program's own sky rectangle: one material, two triangles.
const std::string kPlaneObj =
    "# rectangle\n"
    "mtllib sky.mtl\n"
    "v -1 1 0\n"
    "v -1 -1 -0\n"
    "v 1 1 0\n"
    "v 1 -1 -0\n"
    "vn 0 -0 1\n"
    "vt 0 1 0\n"
    "vt 0 0 0\n"
    "vt 1 1 0\n"
    "vt 1 0 0\n"
    "o Plane001\n"
    "g Plane001\n"
    "usemtl wire_198225087\n"
    "f 1/1/1 2/2/1 3/3/1\n"
    "f 4/4/1 3/3/1 2/2/1\n";

const std::string kPlaneMtl =
    "newmtl wire_198225087\n"
    "\tNs 32\n"
    "\tNi 0\n"
    "\td 1\n"
    "\tTr 0\n"
    "\tTf 1 1 1\n"
    "\tillum 2\n"
    "\tKa 0.7765 0.8824 0.3412\n"
    "\tKd 0.7765 0.8824 0.3412\n"
    "\tKs 0.35 0.35 0.35\n";

class PlaneLoad : public testing::TestWithParam<bool> {};

TEST_P(PlaneLoad, OneMeshWithItsMaterialAndProgress) {
    const bool windowsLineEnds = GetParam();
    MeshLoader loader;
    const LoadRun run = loadCaptured(loader, windowsLineEnds ? crlf(kPlaneObj) : kPlaneObj,
                                 windowsLineEnds ? crlf(kPlaneMtl) : kPlaneMtl);
    ASSERT_FALSE(run.error);
    EXPECT_TRUE(run.result);
    ASSERT_EQ(loader.meshes.size(), 1u);
    const objl::Mesh& mesh = loader.meshes[0];
    EXPECT_EQ(mesh.name, "Plane001");
    EXPECT_EQ(mesh.indices, (std::vector<std::uint32_t>{0, 1, 2, 3, 4, 5}));
    ASSERT_EQ(mesh.vertices.size(), 6u);
    const Vector3 positions[] = {Vector3(-1, 1, 0), Vector3(-1, -1, 0), Vector3(1, 1, 0),
                                 Vector3(1, -1, 0), Vector3(1, 1, 0),   Vector3(-1, -1, 0)};
    const float texCoords[][2] = {{0, 1}, {0, 0}, {1, 1}, {1, 0}, {1, 1}, {0, 0}};
    for (std::size_t i = 0; i < 6; ++i) {
        expectVector3(mesh.vertices[i].position, positions[i]);
        expectVector3(mesh.vertices[i].normal, Vector3(0, 0, 1));
        EXPECT_EQ(mesh.vertices[i].texCoord.x, texCoords[i][0]);
        EXPECT_EQ(mesh.vertices[i].texCoord.y, texCoords[i][1]);
    }
    EXPECT_TRUE(std::signbit(mesh.vertices[1].position.z));  // "-0" is kept
    EXPECT_EQ(loader.vertices.size(), 6u);
    EXPECT_EQ(loader.indices, mesh.indices);

    ASSERT_EQ(loader.materials.size(), 1u);
    const objl::Material& m = mesh.material;
    EXPECT_EQ(m.name, "wire_198225087");
    expectVector3(m.Ka, Vector3(0.7765f, 0.8824f, 0.3412f));
    expectVector3(m.Kd, Vector3(0.7765f, 0.8824f, 0.3412f));
    expectVector3(m.Ks, Vector3(0.35f, 0.35f, 0.35f));
    EXPECT_EQ(m.Ns, 32.0f);
    EXPECT_EQ(m.Ni, 0.0f);
    EXPECT_EQ(m.d, 1.0f);
    EXPECT_EQ(m.illum, 2);
    EXPECT_TRUE(m.map_Kd.empty());

    const std::string progress =
        "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0";
    EXPECT_EQ(run.out, "\n" + progress + "\n" + progress + progress + "\t| material: wire_198225087" + "\n");
}

INSTANTIATE_TEST_SUITE_P(LineEnds, PlaneLoad, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "CRLF" : "LF"; });

struct FaceCase {
    std::string name;
    std::string obj;
    std::vector<Vector3> normals;
    std::vector<std::pair<float, float>> texCoords;
    std::vector<std::uint32_t> indices;
};

class FaceForms : public testing::TestWithParam<FaceCase> {};

TEST_P(FaceForms, VerticesNormalsAndIndices) {
    const FaceCase& c = GetParam();
    MeshLoader loader;
    const LoadRun run = loadCaptured(loader, c.obj);
    ASSERT_FALSE(run.error);
    EXPECT_TRUE(run.result);
    ASSERT_EQ(loader.vertices.size(), c.normals.size());
    for (std::size_t i = 0; i < c.normals.size(); ++i) {
        expectVector3(loader.vertices[i].normal, c.normals[i]);
        EXPECT_EQ(loader.vertices[i].texCoord.x, c.texCoords[i].first) << i;
        EXPECT_EQ(loader.vertices[i].texCoord.y, c.texCoords[i].second) << i;
    }
    EXPECT_EQ(loader.indices, c.indices);
}

const std::string kCorners = "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 0 0 1\nvt 0.5 0.25\nvt 0.75 1\nvn 0 0 2\nvn 0 3 0\n";

INSTANTIATE_TEST_SUITE_P(
    Faces, FaceForms,
    testing::Values(
        FaceCase{"PositionsOnly", kCorners + "f 1 2 3\n", {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}}, {{0, 0}, {0, 0}, {0, 0}}, {0, 1, 2}},
        FaceCase{"BackwardIndices", kCorners + "f -4 -3 -2\n", {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}}, {{0, 0}, {0, 0}, {0, 0}}, {0, 1, 2}},
        FaceCase{"WithNormals", kCorners + "f 1//1 2//2 3//1\n", {{0, 0, 2}, {0, 3, 0}, {0, 0, 2}}, {{0, 0}, {0, 0}, {0, 0}}, {0, 1, 2}},
        FaceCase{"WithTexCoords", kCorners + "f 1/1 2/2 3/1\n", {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}},
                 {{0.5f, 0.25f}, {0.75f, 1}, {0.5f, 0.25f}}, {0, 1, 2}},
        FaceCase{"Full", kCorners + "f 1/2/2 2/1/1 3/2/2\n", {{0, 3, 0}, {0, 0, 2}, {0, 3, 0}},
                 {{0.75f, 1}, {0.5f, 0.25f}, {0.75f, 1}}, {0, 1, 2}},
        // A corner without a normal makes the face generate one, for every corner.
        FaceCase{"MixedGetsTheFaceNormal", kCorners + "f 1//2 2 3//2\n", {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}},
                 {{0, 0}, {0, 0}, {0, 0}}, {0, 1, 2}},
        FaceCase{"QuadrilateralRebased", kCorners + "f 1 2 3\nf 1 2 4 3\n",
                 {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}},
                 {{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}, {0, 1, 2, 3, 4, 6, 4, 5, 6}},
        // Two spaces in a row and a four-part token are corners of no known form: skipped.
        FaceCase{"UnknownTokensAddNoVertex", kCorners + "f 1  2 1/1/1/1 3\n", {{0, 0, -1}, {0, 0, -1}, {0, 0, -1}},
                 {{0, 0}, {0, 0}, {0, 0}}, {0, 1, 2}},
        // Too few corners for a normal or a triangle: the vertices stay, zero normals.
        FaceCase{"TwoCornersWithoutNormals", kCorners + "f 1 2\n", {{0, 0, 0}, {0, 0, 0}}, {{0, 0}, {0, 0}}, {}},
        FaceCase{"OneCornerWithNormal", kCorners + "f 3//2\n", {{0, 3, 0}}, {{0, 0}}, {}}),
    [](const testing::TestParamInfo<FaceCase>& info) { return info.param.name; });

struct MeshesCase {
    std::string name;
    std::string obj;
    std::string mtl;
    std::vector<std::string> meshNames;
    std::vector<std::string> materialNames;  // of each mesh, in order
};

class MeshSplitting : public testing::TestWithParam<MeshesCase> {};

TEST_P(MeshSplitting, NamesAndMaterials) {
    const MeshesCase& c = GetParam();
    MeshLoader loader;
    const LoadRun run = loadCaptured(loader, c.obj, c.mtl);
    ASSERT_FALSE(run.error);
    std::vector<std::string> names, materials;
    for (const objl::Mesh& mesh : loader.meshes) {
        names.push_back(mesh.name);
        materials.push_back(mesh.material.name);
    }
    EXPECT_EQ(names, c.meshNames);
    EXPECT_EQ(materials, c.materialNames);
}

const std::string kTri = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
const std::string kTwoMaterials = "newmtl m1\nd 0.5\nnewmtl m2\n";

INSTANTIATE_TEST_SUITE_P(
    Groups, MeshSplitting,
    testing::Values(
        MeshesCase{"NoGroupLine", kTri + "f 1 2 3\n", "", {""}, {""}},
        MeshesCase{"GearCountsAsUnnamedGroup", kTri + "gear\nf 1 2 3\n", "", {"unnamed"}, {""}},
        MeshesCase{"BareG", kTri + "g\nf 1 2 3\n", "", {""}, {""}},
        MeshesCase{"IndentedWordOnly", kTri + "  gear\n  o A\nf 1 2 3\n", "", {"A"}, {""}},
        MeshesCase{"ObjectThenGroup", kTri + "o A\ng B\nf 1 2 3\n", "", {"B"}, {""}},
        MeshesCase{"TwoGroups", kTri + "g A\nf 1 2 3\ng B\nf 3 2 1\n", "", {"A", "B"}, {"", ""}},
        MeshesCase{"FacesBeforeTheFirstGroupJoinIt", kTri + "f 1 2 3\ng A\nf 1 2 3\n", "", {"A"}, {""}},
        MeshesCase{"CarriageReturnTakesTheNextCharacter", kTri + "o A\rB\nf 1 2 3\n", "", {"A"}, {""}},
        MeshesCase{"MaterialChangeSplitsTheGroup",
                   "mtllib x\n" + kTri + "g A\nusemtl m1\nf 1 2 3\nusemtl m2\nf 1 2 3\n", kTwoMaterials,
                   {"A_2", "A"}, {"m1", "m2"}},
        MeshesCase{"ThirdMaterialChange",
                   "mtllib x\n" + kTri + "g A\nusemtl m1\nf 1 2 3\nusemtl m2\nf 1 2 3\nusemtl m1\nf 1 2 3\n",
                   kTwoMaterials, {"A_2", "A_3", "A"}, {"m1", "m2", "m1"}},
        MeshesCase{"UnknownMaterialKeepsTheDefault", "mtllib x\n" + kTri + "usemtl nope\nf 1 2 3\n", kTwoMaterials,
                   {""}, {""}},
        // Names at positions with no mesh are ignored.
        MeshesCase{"MoreMaterialNamesThanMeshes",
                   "mtllib x\n" + kTri + "usemtl m1\nusemtl m2\nusemtl m1\nf 1 2 3\n", kTwoMaterials, {""}, {"m1"}},
        MeshesCase{"MaterialNameWithoutAnyMesh", "mtllib x\nusemtl m1\n" + kTri, kTwoMaterials, {}, {}}),
    [](const testing::TestParamInfo<MeshesCase>& info) { return info.param.name; });

TEST(MeshLoader, EmptyTextLoadsNothing) {
    MeshLoader loader;
    const LoadRun run = loadCaptured(loader, "");
    EXPECT_FALSE(run.result);
    EXPECT_FALSE(run.error);
    EXPECT_EQ(run.out, "\n");
    EXPECT_FALSE(loadCaptured("# only a comment\nv 1 2 3\n").result);
}

TEST(MeshLoader, EachLoadReplacesTheMeshesButKeepsTheMaterials) {
    MeshLoader loader;
    ASSERT_TRUE(loadCaptured(loader, "mtllib a\n" + kTri + "g A\nf 1 2 3\n", kTwoMaterials).result);
    ASSERT_TRUE(loadCaptured(loader, "mtllib a\n" + kTri + "g B\nf 1 2 3\n", "newmtl m3\n").result);
    ASSERT_EQ(loader.meshes.size(), 1u);
    EXPECT_EQ(loader.meshes[0].name, "B");
    EXPECT_EQ(loader.vertices.size(), 3u);
    EXPECT_EQ(loader.indices.size(), 3u);
    EXPECT_EQ(loader.materials.size(), 3u);
}

TEST(MeshLoader, EveryMtllibLineReadsTheMaterialsAgainAndTheFirstWins) {
    MeshLoader loader;
    const LoadRun run = loadCaptured(loader, "mtllib a\nmtllib b\n" + kTri + "usemtl m1\nf 1 2 3\n", kTwoMaterials);
    ASSERT_FALSE(run.error);
    ASSERT_EQ(loader.materials.size(), 4u);
    loader.materials[2].d = 0.25f;  // the second copy of m1
    ASSERT_EQ(loader.meshes.size(), 1u);
    EXPECT_EQ(loader.meshes[0].material.d, 0.5f);
}

TEST(MeshLoader, ProgressEveryThousandLinesAndAfterGroupAndMaterialLines) {
    std::string obj = "g A\n";
    for (int i = 0; i < 1000; ++i) obj += "# filler\n";
    obj += "usemtl m\n# one\n";
    const LoadRun run = loadCaptured(obj);
    const std::string progress = "\r- A\t| vertices > 0\t| texcoords > 0\t| normals > 0\t| triangles > 0";
    // After the group line, 1000 lines later, before "usemtl", and after it with the material.
    EXPECT_EQ(run.out, "\n" + progress + progress + progress + "\t| material: m" + "\n");
}

struct MaterialCase {
    std::string name;
    std::string mtl;
    std::vector<std::string> names;
};

class MaterialReading : public testing::TestWithParam<MaterialCase> {};

TEST_P(MaterialReading, Names) {
    MeshLoader loader;
    InMemoryTexts texts;
    texts.add(7, GetParam().mtl);
    EXPECT_TRUE(loader.loadMaterials(7, texts));
    std::vector<std::string> names;
    for (const objl::Material& m : loader.materials) names.push_back(m.name);
    EXPECT_EQ(names, GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Mtl, MaterialReading,
    testing::Values(MaterialCase{"Empty", "", {""}}, MaterialCase{"NoNewmtl", "Kd 1 1 1\n", {""}},
                    MaterialCase{"BareNewmtl", "newmtl\n", {"none"}},
                    MaterialCase{"NewmtlAndSpaceIsSevenCharacters", "newmtl \n", {"none"}},
                    MaterialCase{"NewmtlAndTwoSpacesIsEight", "newmtl  \n", {""}},
                    // The CR belongs to the leading word, so this is no "newmtl" line at all.
                    MaterialCase{"NewmtlCarriageReturn", "newmtl\r\n", {""}},
                    MaterialCase{"NameLosesItsLineBreak", "newmtl red\r\nnewmtl blue\r\n", {"red", "blue"}},
                    MaterialCase{"IndentedNewmtl", "  newmtl a\n", {"a"}}),
    [](const testing::TestParamInfo<MaterialCase>& info) { return info.param.name; });

TEST(MaterialReading, FieldsMapsAndDroppedLines) {
    MeshLoader loader;
    InMemoryTexts texts;
    texts.add(1, "Ns 5\nnewmtl a\nKa 1 2\nKd 0.1 0.2 0.3\nKs 1 2 3 4\nNi 1.5\nd 0.75\nillum 3\n"
                 "map_Ka ka.png\nmap_Kd kd.png\r\nmap_Ks ks.png\nmap_Ns ns.png\nmap_d d.png\nbump b1.png\n"
                 "map_Bump b2.png\nnewmtl b\nmap_bump b3.png\nTr 0.5\n");
    ASSERT_TRUE(loader.loadMaterials(1, texts));
    ASSERT_EQ(loader.materials.size(), 2u);
    const objl::Material& a = loader.materials[0];
    EXPECT_EQ(a.Ns, 5.0f);                      // lines before the first "newmtl" count
    expectVector3(a.Ka, Vector3(0, 0, 0));      // two values: dropped
    expectVector3(a.Kd, Vector3(0.1f, 0.2f, 0.3f));
    expectVector3(a.Ks, Vector3(0, 0, 0));      // four values: dropped
    EXPECT_EQ(a.Ni, 1.5f);
    EXPECT_EQ(a.d, 0.75f);
    EXPECT_EQ(a.illum, 3);
    EXPECT_EQ(a.map_Ka, "ka.png");
    EXPECT_EQ(a.map_Kd, "kd.png\r");            // map paths keep a trailing CR
    EXPECT_EQ(a.map_Ks, "ks.png");
    EXPECT_EQ(a.map_Ns, "ns.png");
    EXPECT_EQ(a.map_d, "d.png");
    EXPECT_EQ(a.map_bump, "b2.png");            // the last of the bump spellings
    EXPECT_EQ(loader.materials[1].map_bump, "b3.png");
    EXPECT_EQ(loader.materials[1].d, 0.0f);
}

// Unsound input: the load stops with the documented error, keeps what it stored before
// the line at fault, and touches nothing outside its lists.
struct BadCase {
    std::string name;
    std::string obj;
    std::string mtl;
    bool indexError;  // else a ConversionError
    std::size_t meshesKept;
};

class UnsoundInput : public testing::TestWithParam<BadCase> {};

TEST_P(UnsoundInput, StopsWithTheDocumentedError) {
    const BadCase& c = GetParam();
    MeshLoader loader;
    const LoadRun run = loadCaptured(loader, c.obj, c.mtl);
    ASSERT_TRUE(run.error) << "no error";
    try {
        std::rethrow_exception(run.error);
    } catch (const objl::IndexError&) {
        EXPECT_TRUE(c.indexError) << "IndexError";
    } catch (const objl::ConversionError&) {
        EXPECT_FALSE(c.indexError) << "ConversionError";
    } catch (...) {
        ADD_FAILURE() << "an exception of another type";
    }
    EXPECT_EQ(loader.meshes.size(), c.meshesKept);
    EXPECT_EQ(loader.vertices.size(), 3 * c.meshesKept);
}

const std::string kDone = kTri + "g A\nf 1 2 3\ng B\n";  // one mesh completed before the fault

INSTANTIATE_TEST_SUITE_P(
    Cases, UnsoundInput,
    testing::Values(BadCase{"TwoSpacesInV", "v 1  2 3\n", "", false, 0},
                    BadCase{"WordInV", "v 1 x 3\n", "", false, 0},
                    BadCase{"ShortV", kDone + "v 1 2\n", "", false, 1},
                    BadCase{"EmptyV", "v\n", "", false, 0},
                    BadCase{"ShortVt", "vt 1\n", "", false, 0},
                    BadCase{"ShortVn", "vn 0 1\n", "", false, 0},
                    BadCase{"HugeV", "v 1e999 0 0\n", "", false, 0},
                    BadCase{"IndexZero", kDone + "f 0 1 2\n", "", true, 1},
                    BadCase{"IndexPastTheEnd", kDone + "f 1 2 4\n", "", true, 1},
                    BadCase{"BackwardPastTheStart", kDone + "f 1 2 -4\n", "", true, 1},
                    BadCase{"TexCoordMissing", kDone + "f 1/1 2/1 3/1\n", "", true, 1},
                    BadCase{"NormalMissing", kDone + "f 1//1 2//1 3//1\n", "", true, 1},
                    BadCase{"IndexNotANumber", kDone + "f 1 2 x\n", "", false, 1},
                    BadCase{"EmptyPositionPart", kDone + "f /1 2 3\n", "", false, 1},
                    BadCase{"IndexBeyond32Bits", kDone + "f 1 2 99999999999\n", "", false, 1},
                    BadCase{"IllumNotANumber", "mtllib m\n", "illum high\n", false, 0},
                    BadCase{"DissolveMissing", "mtllib m\n", "d\n", false, 0}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.name; });

TEST(UnsoundInput, AFailedFaceWritesNoVertex) {
    std::vector<objl::Vertex> out(1);
    const std::vector<Vector3> positions{Vector3(0, 0, 0), Vector3(1, 0, 0), Vector3(0, 1, 0)};
    EXPECT_THROW(MeshLoader::verticesFromFace(out, positions, {}, {}, "f 1 2 3 4"), objl::IndexError);
    EXPECT_EQ(out.size(), 1u);
    MeshLoader::verticesFromFace(out, positions, {}, {}, "f 1 2 3");
    EXPECT_EQ(out.size(), 4u);
}

TEST(UnsoundInput, MaterialsReadBeforeAFaultStay) {
    MeshLoader loader;
    const LoadRun run = loadCaptured(loader, "mtllib m\n", "newmtl a\nnewmtl b\nNs x\n");
    EXPECT_TRUE(run.error);
    ASSERT_EQ(loader.materials.size(), 1u);
    EXPECT_EQ(loader.materials[0].name, "a");
}

TEST(TextSource, UnknownIdReadsAsEmpty) {
    InMemoryTexts texts;
    texts.add(3, "x");
    EXPECT_EQ(texts.text(3), "x");
    EXPECT_EQ(texts.text(4), "");
}

}  // namespace
