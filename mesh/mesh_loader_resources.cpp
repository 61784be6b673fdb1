#include "mesh/mesh_loader.h"

namespace {

class ResourceTexts : public TextSource {
public:
    std::string text(ResourceId id) const override { return readTextResource(id); }
};

}  // namespace

// Kept apart from the reading code so that programs which only read texts do not pull
// in the resource reader.
bool MeshLoader::load(ResourceId objId, ResourceId mtlId) { return load(objId, mtlId, ResourceTexts()); }

bool MeshLoader::loadMaterials(ResourceId mtlId) { return loadMaterials(mtlId, ResourceTexts()); }
