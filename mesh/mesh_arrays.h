#pragma once

#include "mesh/objl_records.h"
#include "render/resources.h"

#include <cstdint>
#include <vector>

// The loaded meshes flattened into one array per vertex attribute, plus the indices.
// Every mesh's vertices carry their own material's colours.
struct MeshArrays {
    // Loads the OBJ/MTL pair and flattens it. When the mesh does not load (a false
    // result, or text the loader rejects), shows "Failed to load mesh" and ends the
    // process with status 0.
    MeshArrays(ResourceId objId, ResourceId mtlId, float scale);
    // Flattens meshes that are already loaded.
    MeshArrays(const std::vector<objl::Mesh>& meshes, float scale);

    std::vector<float> positions;   // 3 a vertex, scaled
    std::vector<float> texCoords;   // 2
    std::vector<float> normals;     // 3, unit length
    std::vector<float> tangents;    // 3, unit length
    std::vector<float> bitangents;  // 3, unit length
    std::vector<float> ambient;     // 3
    std::vector<float> diffuse;     // 3
    std::vector<float> specular;    // 4: colour, then exponent
    std::vector<std::uint32_t> indices;
    std::int32_t vertexCount = 0;
    std::int32_t indexCount = 0;
    float scale = 1.0f;
};

// The same data as one interleaved vertex array of 24-float records.
struct InterleavedMesh {
    static constexpr std::int32_t kStride = 24;
    static constexpr std::int32_t kPositionOffset = 0;
    static constexpr std::int32_t kTexCoordOffset = 3;
    static constexpr std::int32_t kNormalOffset = 5;
    static constexpr std::int32_t kTangentOffset = 8;
    static constexpr std::int32_t kBitangentOffset = 11;
    static constexpr std::int32_t kAmbientOffset = 14;
    static constexpr std::int32_t kDiffuseOffset = 17;
    static constexpr std::int32_t kSpecularOffset = 20;

    InterleavedMesh(ResourceId objId, ResourceId mtlId, float scale);
    explicit InterleavedMesh(MeshArrays arrays);

    std::int32_t vertexDataBytes() const { return vertexCount * kStride * 4; }
    std::int32_t indexDataBytes() const { return indexCount * 4; }

    std::vector<float> vertices;
    std::vector<std::uint32_t> indices;
    MeshArrays source;
    std::int32_t vertexCount = 0;
    std::int32_t indexCount = 0;
};
