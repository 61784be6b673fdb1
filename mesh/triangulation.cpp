#include "mesh/triangulation.h"

#include "mesh/mesh_loader.h"

#include <cstddef>

namespace objl {

bool pointInTriangle(const Vector3& point, const Vector3& a, const Vector3& b, const Vector3& c) {
    const Vector3 u = b - a;
    const Vector3 v = c - a;
    const Vector3 w = point - a;
    const Vector3 n = cross(u, v);
    const float d = dot(n, n);
    const float gamma = dot(cross(u, w), n) / d;
    const float beta = dot(cross(w, v), n) / d;
    const float alpha = 1.0f - gamma - beta;
    // Written so that a NaN weight fails every comparison.
    const auto inUnit = [](float weight) { return weight >= 0.0f && weight <= 1.0f; };
    return inUnit(alpha) && inUnit(beta) && inUnit(gamma);
}

}  // namespace objl

namespace {

using objl::Vector3;
using objl::Vertex;

// Appends, for each corner of the face in order, its index once for every one of p, q, s
// its position equals. Distinct positions thus come out in the face's own order, which
// keeps the face's orientation.
void emitTriangle(std::vector<std::uint32_t>& out, const std::vector<Vertex>& face, const Vector3& p,
                  const Vector3& q, const Vector3& s) {
    for (std::size_t j = 0; j < face.size(); ++j) {
        const Vector3& position = face[j].position;
        const auto index = static_cast<std::uint32_t>(j);
        if (position == p) out.push_back(index);
        if (position == q) out.push_back(index);
        if (position == s) out.push_back(index);
    }
}

bool anyCornerInside(const std::vector<Vertex>& face, const Vector3& prev, const Vector3& cur, const Vector3& next) {
    for (const Vertex& corner : face) {
        const Vector3& p = corner.position;
        if (p != prev && p != cur && p != next && objl::pointInTriangle(p, prev, cur, next)) return true;
    }
    return false;
}

}  // namespace

void MeshLoader::triangulate(std::vector<std::uint32_t>& out, const std::vector<objl::Vertex>& face) {
    const std::size_t n = face.size();
    if (n < 3) return;
    if (n == 3) {
        out.insert(out.end(), {0u, 1u, 2u});
        return;
    }

    const std::size_t firstAppended = out.size();
    std::vector<Vertex> remaining = face;
    for (;;) {
        bool clipped = false;
        for (std::size_t i = 0; i < remaining.size(); ++i) {
            const std::size_t size = remaining.size();
            const Vector3 prev = remaining[i == 0 ? size - 1 : i - 1].position;
            const Vector3 cur = remaining[i].position;
            const Vector3 next = remaining[i + 1 == size ? 0 : i + 1].position;

            if (size == 4) {
                // The last four corners are always cut along the same diagonal.
                emitTriangle(out, face, cur, prev, next);
                Vector3 fourth;  // (0, 0, 0) when every corner shares one of the three positions
                for (const Vertex& corner : remaining) {
                    if (corner.position != cur && corner.position != prev && corner.position != next) {
                        fourth = corner.position;
                        break;
                    }
                }
                emitTriangle(out, face, prev, next, fourth);
                remaining.clear();
                break;
            }
            if (anyCornerInside(face, prev, cur, next)) continue;

            emitTriangle(out, face, cur, prev, next);
            std::size_t removed = i;  // a NaN position equals nothing: then remove the corner itself
            for (std::size_t k = 0; k < size; ++k) {
                if (remaining[k].position == cur) {
                    removed = k;
                    break;
                }
            }
            remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(removed));
            clipped = true;
            break;
        }
        if (remaining.empty()) return;
        if (clipped) continue;  // every clip restarts the scan
        if (out.size() == firstAppended) return;  // no ear at all: the face yields nothing
        // A scan without an ear after earlier clips would repeat forever: cover what is left
        // with a fan from its first corner instead, so the face keeps no hole.
        for (std::size_t k = 1; k + 1 < remaining.size(); ++k) {
            emitTriangle(out, face, remaining[0].position, remaining[k].position, remaining[k + 1].position);
        }
        return;
    }
}
