// Saves the root window of $DISPLAY as a PNG file: x11_screenshot <out.png>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: x11_screenshot <out.png>\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x11_screenshot: cannot open the display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (image == nullptr) {
        std::fprintf(stderr, "x11_screenshot: cannot read the screen\n");
        return 1;
    }

    std::vector<png_byte> rgb(static_cast<std::size_t>(attributes.width) * attributes.height * 3);
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            png_byte* out = &rgb[(static_cast<std::size_t>(y) * attributes.width + x) * 3];
            out[0] = static_cast<png_byte>((pixel & image->red_mask) >> 16);
            out[1] = static_cast<png_byte>((pixel & image->green_mask) >> 8);
            out[2] = static_cast<png_byte>(pixel & image->blue_mask);
        }
    }
    XDestroyImage(image);
    XCloseDisplay(display);

    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(attributes.width);
    png.height = static_cast<png_uint_32>(attributes.height);
    png.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&png, argv[1], 0, rgb.data(), 0, nullptr)) {
        std::fprintf(stderr, "x11_screenshot: %s\n", png.message);
        return 1;
    }
    return 0;
}
