#pragma once

#include <cstddef>
#include <cstdint>

// The Linux build's table of embedded resources, generated from a .rc file by
// cmake/embed_resources.cmake: each entry is the bytes the executable's resource section
// would hold.
enum class ResourceKind { Text, Bitmap };

struct CatalogueEntry {
    ResourceKind kind;
    std::uint16_t id;
    const unsigned char* bytes;
    std::size_t size;
};

struct ResourceCatalogue {
    const CatalogueEntry* entries;
    std::size_t count;
};

extern const ResourceCatalogue resourceCatalogue;
