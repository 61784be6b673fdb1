#include "render/resources.h"
#include "tests/support/test_paths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::string committedFile(const std::string& relative) {
    std::ifstream in(sourceDir() + "/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines split at CR LF; fails the test on a bare LF or a text without a final CR LF.
std::vector<std::string> crlfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string::npos || lf == start || text[lf - 1] != '\r') {
            ADD_FAILURE() << "line " << lines.size() + 1 << " does not end with CR LF";
            break;
        }
        lines.push_back(text.substr(start, lf - 1 - start));
        start = lf + 1;
    }
    return lines;
}

struct MeshText {
    ResourceId id;
    const char* file;
    std::size_t size;
    const char* fourthLine;
};

constexpr MeshText kMeshTexts[] = {
    {141, "resources/rectangle_object.obj", 551, "mtllib rectangle_object.mtl"},
    {140, "resources/rectangle_object.mtl", 242, "newmtl wire_198225087"},
};

TEST(ResourceTexts, MeshTextsAreTheCommittedFilesByteForByte) {
    for (const MeshText& mesh : kMeshTexts) {
        SCOPED_TRACE(mesh.file);
        const std::string text = readTextResource(mesh.id);
        EXPECT_EQ(text.size(), mesh.size);
        EXPECT_EQ(text, committedFile(mesh.file));
        const auto lines = crlfLines(text);
        ASSERT_GE(lines.size(), 4u);
        EXPECT_EQ(lines[0].substr(0, 2), "# ");
        EXPECT_EQ(lines[1].substr(0, 2), "# ");
        EXPECT_EQ(lines[2], "");
        EXPECT_EQ(lines[3], mesh.fourthLine);
    }
}

TEST(ResourceTexts, MeshKeepsTheBlanksTheLoaderSeesAndTheMaterialItsTabs) {
    // Editors like to strip these; the loader's face and vertex parsing depends on them.
    const auto obj = crlfLines(readTextResource(141));
    ASSERT_EQ(obj.size(), 30u);
    EXPECT_EQ(obj[9], "v  -1.0000 1.0000 0.0000");
    EXPECT_EQ(obj[27], "f 1/1/1 2/2/1 3/3/1 ");
    EXPECT_EQ(obj[28], "f 4/4/1 3/3/1 2/2/1 ");
    EXPECT_EQ(obj[29], "# 2 faces");

    const auto mtl = crlfLines(readTextResource(140));
    ASSERT_EQ(mtl.size(), 12u);
    for (std::size_t k = 4; k < mtl.size(); ++k) EXPECT_EQ(mtl[k].substr(0, 1), "\t") << "line " << k + 1;
    EXPECT_EQ(mtl[11], "\tKs 0.3500 0.3500 0.3500");
}

}  // namespace
