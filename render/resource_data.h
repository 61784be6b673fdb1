#pragma once

#include "render/dib.h"
#include "render/resources.h"

#include <memory>
#include <optional>
#include <string_view>

// The platform's access to the program's own resources; the readers in resources.cpp
// build on these two.

// The stored bytes of "TEXTFILE" resource id, valid for the life of the process; empty
// when there is no such resource.
std::optional<std::string_view> textResourceBytes(ResourceId id);

// A bitmap resource opened for reading pixel by pixel; released when it goes out of scope.
class BitmapPicture {
public:
    explicit BitmapPicture(ResourceId id);
    ~BitmapPicture();
    BitmapPicture(const BitmapPicture&) = delete;
    BitmapPicture& operator=(const BitmapPicture&) = delete;

    // 0 x 0 when there is no such bitmap.
    int width() const;
    int height() const;

    // Picture pixel (x, y), (0, 0) at the top left; x and y must lie inside the picture.
    PixelColour pixel(int x, int y) const;

private:
    struct Handles;
    std::unique_ptr<Handles> handles_;
};
