// Feeds arbitrary OBJ and MTL texts through the loader, the same way it reads resources:
// the input up to its first NUL byte is the OBJ text, the rest the MTL text that every
// "mtllib" line reads. The loader may refuse the text with a LoadError; anything else
// (a crash, a sanitizer report, another exception, a broken result) is a finding.
#include "mesh/mesh_loader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkResult(const MeshLoader& loader, bool result) {
    std::size_t meshVertices = 0;
    for (const objl::Mesh& mesh : loader.meshes) {
        for (const std::uint32_t index : mesh.indices) require(index < mesh.vertices.size());
        meshVertices += mesh.vertices.size();
    }
    for (const std::uint32_t index : loader.indices) require(index < loader.vertices.size());
    require(meshVertices <= loader.vertices.size());
    require(result == !(loader.meshes.empty() && loader.vertices.empty() && loader.indices.empty()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string obj = input.substr(0, split);
    const std::string mtl = split == std::string::npos ? std::string() : input.substr(split + 1);

    MeshLoader loader;
    try {
        checkResult(loader, loader.loadTexts(obj, mtl));
    } catch (const objl::LoadError&) {
        // Refused: whatever was stored before the fault must still be sound.
        checkResult(loader, !(loader.meshes.empty() && loader.vertices.empty() && loader.indices.empty()));
    }
    return 0;
}
