#include "render/resource_data.h"

#include <windows.h>

std::optional<std::string_view> textResourceBytes(ResourceId id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "TEXTFILE");
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(nullptr, found));
}

// The bitmap selected into a memory context compatible with the desktop's; GetPixel
// reads the picture as displayed, top row first.
struct BitmapPicture::Handles {
    HWND desktop = nullptr;
    HDC desktopContext = nullptr;
    HDC memoryContext = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    int width = 0;
    int height = 0;
};

BitmapPicture::BitmapPicture(ResourceId id) : handles_(std::make_unique<Handles>()) {
    Handles& h = *handles_;
    h.bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (!h.bitmap) return;
    BITMAP info{};
    if (GetObjectA(h.bitmap, sizeof info, &info) != sizeof info) return;
    h.desktop = GetDesktopWindow();
    h.desktopContext = GetDC(h.desktop);
    h.memoryContext = h.desktopContext ? CreateCompatibleDC(h.desktopContext) : nullptr;
    if (!h.memoryContext) return;
    h.previous = SelectObject(h.memoryContext, h.bitmap);
    if (!h.previous || h.previous == HGDI_ERROR) return;
    h.width = info.bmWidth;
    h.height = info.bmHeight;
}

BitmapPicture::~BitmapPicture() {
    Handles& h = *handles_;
    if (h.memoryContext) {
        if (h.previous && h.previous != HGDI_ERROR) SelectObject(h.memoryContext, h.previous);
        DeleteDC(h.memoryContext);
    }
    if (h.desktopContext) ReleaseDC(h.desktop, h.desktopContext);
    if (h.bitmap) DeleteObject(h.bitmap);
}

int BitmapPicture::width() const { return handles_->width; }
int BitmapPicture::height() const { return handles_->height; }

PixelColour BitmapPicture::pixel(int x, int y) const {
    const COLORREF c = GetPixel(handles_->memoryContext, x, y);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
}
