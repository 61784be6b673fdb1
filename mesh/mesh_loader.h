#pragma once

#include "mesh/load_errors.h"
#include "mesh/objl_records.h"
#include "render/resources.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Where the loader gets its texts, by resource id. The program reads its embedded
// resources; tests and the fuzzer hand texts over directly, through the same reading code.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string text(ResourceId id) const = 0;
};

// Texts held in memory; an id never added reads as the empty text.
class InMemoryTexts : public TextSource {
public:
    void add(ResourceId id, std::string text) { texts_[id] = std::move(text); }
    std::string text(ResourceId id) const override;

private:
    std::map<ResourceId, std::string> texts_;
};

// Reads an OBJ mesh text with its MTL material text into objl::Mesh records, writing short
// progress lines to standard output.
//
// Unsound input never reaches outside a list. A number that cannot be read, a "v", "vn"
// or "vt" line with too few values (ConversionError) and a face index outside its list
// (IndexError) stop the load with an exception; everything stored before the line at
// fault stays. A face with fewer than three usable corners keeps its vertices, gets no
// generated normal and no triangle. A "usemtl" name whose position has no mesh is ignored.
class MeshLoader {
public:
    // The OBJ resource objId; each "mtllib" line reads the MTL resource mtlId.
    bool load(ResourceId objId, ResourceId mtlId);
    bool load(ResourceId objId, ResourceId mtlId, const TextSource& texts);
    // The same reading over two texts held in memory.
    bool loadTexts(const std::string& objText, const std::string& mtlText);

    // Appends the materials of the MTL resource mtlId; true when there are any.
    bool loadMaterials(ResourceId mtlId);
    bool loadMaterials(ResourceId mtlId, const TextSource& texts);

    // Appends the vertices of one "f" line. Corner tokens of no known form (empty, or more
    // than three parts) add no vertex. Appends nothing when it throws.
    static void verticesFromFace(std::vector<objl::Vertex>& out, const std::vector<objl::Vector3>& positions,
                                 const std::vector<objl::Vector2>& texCoords,
                                 const std::vector<objl::Vector3>& normals, const std::string& line);

    // Appends face-local triangle indices for one face's corners.
    static void triangulate(std::vector<std::uint32_t>& out, const std::vector<objl::Vertex>& face);

    std::vector<objl::Mesh> meshes;          // of the last load, in completion order
    std::vector<objl::Vertex> vertices;      // every face corner of the last load
    std::vector<std::uint32_t> indices;      // every triangle index of the last load, into vertices
    std::vector<objl::Material> materials;   // every material read by this loader; never cleared

private:
    void readObj(const std::string& text, ResourceId mtlId, const TextSource& texts);
    void readMtl(const std::string& text);
};
