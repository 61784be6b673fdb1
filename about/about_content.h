#pragma once

#include <cstdint>

// What the About window shows and where, shared by the Win32 and the X11 window.
namespace about {

struct Colour {
    std::uint8_t red, green, blue;
};

struct Rect {
    int x, y, width, height;
};

extern const char* const kTitle;
extern const char* const kClassName;
extern const char* const kCaptionText;
extern const char* const kButtonText;
// Three lines joined with CR LF.
extern const char* const kNoticeText;
extern const char* const kWebPage;

constexpr Colour kBackground{177, 232, 179};
constexpr Colour kCaptionColour{0, 0, 0};
constexpr Colour kNoticeColour{0, 51, 255};

// The window's outer size; it is centred on the primary screen.
constexpr int kWindowWidth = 400;
constexpr int kWindowHeight = 300;

// Client coordinates.
constexpr Rect kNoticeRect{20, 150, 380, 80};
constexpr Rect kCaptionRect{90, 20, 280, 20};
constexpr Rect kButtonRect{150, 210, 100, 32};
constexpr int kPictureX = 142;
constexpr int kPictureY = 55;

// The notice and the button share this id; only the button sends commands with it.
constexpr int kNoticeId = 10;
constexpr int kCaptionId = 30;
constexpr int kButtonId = 10;

constexpr std::uint16_t kPictureResource = 101;

// Top-left corner of a window of the outer size centred on a screen of this size.
int centredOrigin(int screenExtent, int windowExtent);

}  // namespace about
