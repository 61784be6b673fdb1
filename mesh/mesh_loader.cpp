#include "mesh/mesh_loader.h"

#include "mesh/objl_text.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <utility>

using objl::leadingWord;
using objl::restOfLine;
using objl::splitOn;

std::string InMemoryTexts::text(ResourceId id) const {
    const auto found = texts_.find(id);
    return found == texts_.end() ? std::string() : found->second;
}

namespace {

constexpr unsigned kProgressPeriod = 1000;

// Calls f with each line of text: split at LF, the LF belonging to no line, and no empty
// line after a final LF.
template <typename F>
void forEachLine(const std::string& text, F&& f) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        f(text.substr(begin, end - begin));
        begin = end + 1;
    }
}

void writeOut(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// The first `count` values of a "v", "vt" or "vn" line; further values are not read.
std::vector<float> readValues(const std::string& line, std::size_t count) {
    const std::vector<std::string> parts = splitOn(restOfLine(line), " ");
    if (parts.size() < count) {
        throw objl::ConversionError("\"" + line + "\" has " + std::to_string(parts.size()) + " values, needs " +
                                    std::to_string(count));
    }
    std::vector<float> values;
    for (std::size_t i = 0; i < count; ++i) values.push_back(objl::readFloat(parts[i]));
    return values;
}

objl::Vector3 readVector3(const std::string& line) {
    const std::vector<float> v = readValues(line, 3);
    return objl::Vector3(v[0], v[1], v[2]);
}

objl::Vector2 readVector2(const std::string& line) {
    const std::vector<float> v = readValues(line, 2);
    return objl::Vector2(v[0], v[1]);
}

// The working state of one OBJ read.
struct ObjReading {
    std::vector<objl::Vector3> positions;
    std::vector<objl::Vector2> texCoords;
    std::vector<objl::Vector3> normals;
    std::vector<objl::Vertex> meshVertices;
    std::vector<std::uint32_t> meshIndices;
    std::vector<std::string> materialNames;
    std::string meshName;
    bool groupOpen = false;
    unsigned lineCounter = kProgressPeriod;

    bool meshPending() const { return !meshIndices.empty() && !meshVertices.empty(); }

    void completeMesh(std::vector<objl::Mesh>& meshes, std::string name) {
        objl::Mesh mesh(std::move(meshVertices), std::move(meshIndices));
        mesh.name = std::move(name);
        meshes.push_back(std::move(mesh));
        meshVertices.clear();
        meshIndices.clear();
    }

    void writeProgress() const {
        std::string text = "\r- " + meshName;
        text += "\t| vertices > " + std::to_string(positions.size());
        text += "\t| texcoords > " + std::to_string(texCoords.size());
        text += "\t| normals > " + std::to_string(normals.size());
        text += "\t| triangles > " + std::to_string(meshVertices.size() / 3);
        if (!materialNames.empty()) text += "\t| material: " + materialNames.back();
        writeOut(text);
    }
};

// meshName_N for the smallest N from 2 that no mesh bears yet.
std::string freshSplitName(const std::vector<objl::Mesh>& meshes, const std::string& meshName) {
    for (unsigned long long n = 2;; ++n) {
        std::string candidate = meshName + "_" + std::to_string(n);
        bool taken = false;
        for (const objl::Mesh& mesh : meshes) {
            if (mesh.name == candidate) {
                taken = true;
                break;
            }
        }
        if (!taken) return candidate;
    }
}

}  // namespace

bool MeshLoader::loadTexts(const std::string& objText, const std::string& mtlText) {
    constexpr ResourceId kObjId = 1;
    constexpr ResourceId kMtlId = 2;
    InMemoryTexts texts;
    texts.add(kObjId, objText);
    texts.add(kMtlId, mtlText);
    return load(kObjId, kMtlId, texts);
}

bool MeshLoader::load(ResourceId objId, ResourceId mtlId, const TextSource& texts) {
    std::string text;
    try {
        text = texts.text(objId);
    } catch (const std::bad_alloc&) {
        return false;
    }
    meshes.clear();
    vertices.clear();
    indices.clear();
    readObj(text, mtlId, texts);
    return !(meshes.empty() && vertices.empty() && indices.empty());
}

bool MeshLoader::loadMaterials(ResourceId mtlId, const TextSource& texts) {
    std::string text;
    try {
        text = texts.text(mtlId);
    } catch (const std::bad_alloc&) {
        return false;
    }
    readMtl(text);
    return !materials.empty();
}

void MeshLoader::readObj(const std::string& text, ResourceId mtlId, const TextSource& texts) {
    ObjReading r;
    forEachLine(text, [&](std::string line) {
        // A CR takes the character after it along.
        for (std::size_t cr = line.find('\r'); cr != std::string::npos; cr = line.find('\r')) line.erase(cr, 2);

        r.lineCounter = (r.lineCounter + 1) % kProgressPeriod;
        if (r.lineCounter == 1 && !r.meshName.empty()) r.writeProgress();

        const std::string word = leadingWord(line);
        const bool namedGroup = word == "o" || word == "g";
        if (namedGroup || (!line.empty() && line[0] == 'g')) {
            if (!r.groupOpen) {
                r.groupOpen = true;
                r.meshName = namedGroup ? restOfLine(line) : "unnamed";
            } else if (r.meshPending()) {
                r.completeMesh(meshes, r.meshName);
                r.meshName = restOfLine(line);
            } else {
                r.meshName = namedGroup ? restOfLine(line) : "unnamed";
            }
            writeOut("\n");
            r.lineCounter = 0;
        }
        if (word == "v") r.positions.push_back(readVector3(line));
        if (word == "vt") r.texCoords.push_back(readVector2(line));
        if (word == "vn") r.normals.push_back(readVector3(line));
        if (word == "f") {
            std::vector<objl::Vertex> face;
            verticesFromFace(face, r.positions, r.texCoords, r.normals, line);
            r.meshVertices.insert(r.meshVertices.end(), face.begin(), face.end());
            vertices.insert(vertices.end(), face.begin(), face.end());
            std::vector<std::uint32_t> local;
            triangulate(local, face);
            const std::size_t meshBase = r.meshVertices.size() - face.size();
            const std::size_t loadBase = vertices.size() - face.size();
            for (const std::uint32_t k : local) {
                r.meshIndices.push_back(static_cast<std::uint32_t>(meshBase + k));
                indices.push_back(static_cast<std::uint32_t>(loadBase + k));
            }
        }
        if (word == "usemtl") {
            r.materialNames.push_back(restOfLine(line));
            if (r.meshPending()) r.completeMesh(meshes, freshSplitName(meshes, r.meshName));
            r.lineCounter = 0;
        }
        if (word == "mtllib") loadMaterials(mtlId, texts);
    });

    writeOut("\n");
    if (r.meshPending()) r.completeMesh(meshes, r.meshName);

    // The k-th "usemtl" name goes to the k-th completed mesh; a name without a mesh at its
    // position has nothing to go to.
    const std::size_t assignable = std::min(r.materialNames.size(), meshes.size());
    for (std::size_t k = 0; k < assignable; ++k) {
        for (const objl::Material& material : materials) {
            if (material.name == r.materialNames[k]) {
                meshes[k].material = material;
                break;
            }
        }
    }
}

void MeshLoader::verticesFromFace(std::vector<objl::Vertex>& out, const std::vector<objl::Vector3>& positions,
                                  const std::vector<objl::Vector2>& texCoords,
                                  const std::vector<objl::Vector3>& normals, const std::string& line) {
    std::vector<objl::Vertex> face;
    objl::Vertex vertex;
    bool missingNormal = false;
    for (const std::string& token : splitOn(restOfLine(line), " ")) {
        const std::vector<std::string> parts = splitOn(token, "/");
        if (parts.empty() || parts.size() > 3) continue;
        vertex.position = objl::elementAt(positions, parts[0]);
        if (parts.size() == 3) {
            vertex.texCoord = parts[1].empty() ? objl::Vector2() : objl::elementAt(texCoords, parts[1]);
            vertex.normal = objl::elementAt(normals, parts[2]);
        } else {
            vertex.texCoord = parts.size() == 2 ? objl::elementAt(texCoords, parts[1]) : objl::Vector2();
            missingNormal = true;  // the normal stays as the previous corner left it
        }
        face.push_back(vertex);
    }
    // Three corners are needed to generate a normal; fewer keep the normals they have.
    if (missingNormal && face.size() >= 3) {
        const objl::Vector3 normal = objl::cross(face[0].position - face[1].position, face[2].position - face[1].position);
        for (objl::Vertex& corner : face) corner.normal = normal;
    }
    out.insert(out.end(), face.begin(), face.end());
}

void MeshLoader::readMtl(const std::string& text) {
    objl::Material working;
    bool open = false;
    forEachLine(text, [&](const std::string& line) {
        const std::string word = leadingWord(line);
        if (word == "newmtl") {
            if (open) {
                materials.push_back(working);
                working = objl::Material();
            } else {
                open = true;
            }
            working.name = line.size() > 7 ? objl::trimLineBreaks(restOfLine(line)) : "none";
        } else if (word == "Ka" || word == "Kd" || word == "Ks") {
            const std::vector<std::string> parts = splitOn(restOfLine(line), " ");
            if (parts.size() != 3) return;
            const objl::Vector3 colour(objl::readFloat(parts[0]), objl::readFloat(parts[1]), objl::readFloat(parts[2]));
            (word == "Ka" ? working.Ka : word == "Kd" ? working.Kd : working.Ks) = colour;
        } else if (word == "Ns") {
            working.Ns = objl::readFloat(restOfLine(line));
        } else if (word == "Ni") {
            working.Ni = objl::readFloat(restOfLine(line));
        } else if (word == "d") {
            working.d = objl::readFloat(restOfLine(line));
        } else if (word == "illum") {
            working.illum = objl::readInt(restOfLine(line));
        } else if (word == "map_Ka") {
            working.map_Ka = restOfLine(line);
        } else if (word == "map_Kd") {
            working.map_Kd = restOfLine(line);
        } else if (word == "map_Ks") {
            working.map_Ks = restOfLine(line);
        } else if (word == "map_Ns") {
            working.map_Ns = restOfLine(line);
        } else if (word == "map_d") {
            working.map_d = restOfLine(line);
        } else if (word == "map_Bump" || word == "map_bump" || word == "bump") {
            working.map_bump = restOfLine(line);
        }
    });
    materials.push_back(working);
}
