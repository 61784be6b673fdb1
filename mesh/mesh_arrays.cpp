#include "mesh/mesh_arrays.h"

#include "app/message_box.h"
#include "mesh/load_errors.h"
#include "mesh/mesh_loader.h"
#include "render/math.h"

#include <GLFW/glfw3.h>

#include <algorithm>
#include <cstdlib>

namespace {

std::vector<objl::Mesh> loadMeshesOrExit(ResourceId objId, ResourceId mtlId) {
    MeshLoader loader;
    bool loaded = false;
    try {
        loaded = loader.load(objId, mtlId);
    } catch (const objl::LoadError&) {
        loaded = false;  // text the loader rejects is as unusable as no mesh
    }
    if (!loaded) {
        showMessageBox("Failed to load mesh", "Debug", MessageIcon::Information);
        glfwTerminate();
        std::exit(0);
    }
    return std::move(loader.meshes);
}

void putVec3(std::vector<float>& array, std::size_t vertex, const Vec3& value) {
    for (std::size_t k = 0; k < 3; ++k) array[3 * vertex + k] = value[k];
}

Vec3 vec3At(const std::vector<float>& array, std::size_t vertex) {
    return {array[3 * vertex], array[3 * vertex + 1], array[3 * vertex + 2]};
}

void computeTangentFrames(MeshArrays& a) {
    // Whole triangles only: a trailing partial one has no frame.
    for (std::size_t t = 0; t + 2 < a.indices.size(); t += 3) {
        const std::uint32_t i[3] = {a.indices[t], a.indices[t + 1], a.indices[t + 2]};
        const Vec3 p0 = vec3At(a.positions, i[0]), p1 = vec3At(a.positions, i[1]), p2 = vec3At(a.positions, i[2]);
        const Vec2 uv0(a.texCoords[2 * i[0]], a.texCoords[2 * i[0] + 1]);
        const Vec2 uv1(a.texCoords[2 * i[1]], a.texCoords[2 * i[1] + 1]);
        const Vec2 uv2(a.texCoords[2 * i[2]], a.texCoords[2 * i[2] + 1]);
        const Vec3 e1 = p1 - p0, e2 = p2 - p0;
        const Vec2 d1 = uv1 - uv0, d2 = uv2 - uv0;
        const float f = 1.0f / (d1[0] * d2[1] - d2[0] * d1[1]);
        const Vec3 tangent = normalize(f * (d2[1] * e1 - d1[1] * e2));
        const Vec3 bitangent = normalize(f * (-d2[0] * e1 + d1[0] * e2));
        for (const std::uint32_t vertex : i) {
            putVec3(a.tangents, vertex, tangent);
            putVec3(a.bitangents, vertex, bitangent);
        }
    }
}

}  // namespace

MeshArrays::MeshArrays(ResourceId objId, ResourceId mtlId, float meshScale)
    : MeshArrays(loadMeshesOrExit(objId, mtlId), meshScale) {}

MeshArrays::MeshArrays(const std::vector<objl::Mesh>& meshes, float meshScale) : scale(meshScale) {
    std::size_t totalVertices = 0, totalIndices = 0;
    for (const auto& mesh : meshes) {
        totalVertices += mesh.vertices.size();
        totalIndices += mesh.indices.size();
    }
    vertexCount = static_cast<std::int32_t>(totalVertices);
    indexCount = static_cast<std::int32_t>(totalIndices);
    positions.resize(totalVertices * 3);
    texCoords.resize(totalVertices * 2);
    normals.resize(totalVertices * 3);
    tangents.resize(totalVertices * 3);
    bitangents.resize(totalVertices * 3);
    ambient.resize(totalVertices * 3);
    diffuse.resize(totalVertices * 3);
    specular.resize(totalVertices * 4);
    indices.resize(totalIndices);

    std::size_t vertexBase = 0, indexBase = 0;
    for (const auto& mesh : meshes) {
        const objl::Material& m = mesh.material;
        for (std::size_t j = 0; j < mesh.vertices.size(); ++j) {
            const objl::Vertex& v = mesh.vertices[j];
            const std::size_t w = vertexBase + j;
            putVec3(positions, w, Vec3(v.position.x, v.position.y, v.position.z) * scale);
            putVec3(normals, w, normalize(Vec3(v.normal.x, v.normal.y, v.normal.z)));
            texCoords[2 * w] = v.texCoord.x;
            texCoords[2 * w + 1] = v.texCoord.y;
            putVec3(ambient, w, Vec3(m.Ka.x, m.Ka.y, m.Ka.z));
            putVec3(diffuse, w, Vec3(m.Kd.x, m.Kd.y, m.Kd.z));
            specular[4 * w] = m.Ks.x;
            specular[4 * w + 1] = m.Ks.y;
            specular[4 * w + 2] = m.Ks.z;
            specular[4 * w + 3] = m.Ns;
        }
        for (std::size_t n = 0; n < mesh.indices.size(); ++n) {
            indices[indexBase + n] = static_cast<std::uint32_t>(vertexBase) + mesh.indices[n];
        }
        vertexBase += mesh.vertices.size();
        indexBase += mesh.indices.size();
    }
    computeTangentFrames(*this);
}

InterleavedMesh::InterleavedMesh(ResourceId objId, ResourceId mtlId, float scale)
    : InterleavedMesh(MeshArrays(objId, mtlId, scale)) {}

InterleavedMesh::InterleavedMesh(MeshArrays arrays)
    : source(std::move(arrays)), vertexCount(source.vertexCount), indexCount(source.indexCount) {
    vertices.resize(static_cast<std::size_t>(vertexCount) * kStride);
    const auto copy = [this](const std::vector<float>& from, std::size_t perVertex, std::int32_t offset) {
        for (std::size_t w = 0; w < static_cast<std::size_t>(vertexCount); ++w) {
            std::copy_n(&from[w * perVertex], perVertex, &vertices[w * kStride + offset]);
        }
    };
    copy(source.positions, 3, kPositionOffset);
    copy(source.texCoords, 2, kTexCoordOffset);
    copy(source.normals, 3, kNormalOffset);
    copy(source.tangents, 3, kTangentOffset);
    copy(source.bitangents, 3, kBitangentOffset);
    copy(source.ambient, 3, kAmbientOffset);
    copy(source.diffuse, 3, kDiffuseOffset);
    copy(source.specular, 4, kSpecularOffset);
    indices = source.indices;
}
