#include "render/resource_data.h"

#include "resources/resource_catalogue.h"

namespace {

std::optional<std::string_view> catalogueBytes(ResourceKind kind, ResourceId id) {
    for (std::size_t k = 0; k < resourceCatalogue.count; ++k) {
        const CatalogueEntry& entry = resourceCatalogue.entries[k];
        if (entry.kind == kind && entry.id == id) {
            return std::string_view(reinterpret_cast<const char*>(entry.bytes), entry.size);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string_view> textResourceBytes(ResourceId id) { return catalogueBytes(ResourceKind::Text, id); }

// The catalogue holds a bitmap as the executable would: the DIB without its file header.
struct BitmapPicture::Handles {
    std::optional<DibView> dib;
};

BitmapPicture::BitmapPicture(ResourceId id) : handles_(std::make_unique<Handles>()) {
    if (const auto bytes = catalogueBytes(ResourceKind::Bitmap, id)) handles_->dib = DibView::parse(*bytes);
}

BitmapPicture::~BitmapPicture() = default;

int BitmapPicture::width() const { return handles_->dib ? handles_->dib->width() : 0; }
int BitmapPicture::height() const { return handles_->dib ? handles_->dib->height() : 0; }

PixelColour BitmapPicture::pixel(int x, int y) const { return handles_->dib->pixel(x, y); }
