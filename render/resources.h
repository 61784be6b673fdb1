#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Resources compiled into the program: "TEXTFILE" texts and 24-bit bitmaps, addressed by
// number. Windows reads them from the executable's resource section; Linux from byte
// tables built from the same files.
using ResourceId = std::uint16_t;

// A shader text: up to 32768 bytes followed by four NUL bytes.
constexpr std::size_t kMarkedTextCapacity = 32768;
using MarkedTextBuffer = std::array<char, kMarkedTextCapacity + 4>;

// The whole text of a "TEXTFILE" resource, exactly its stored bytes; empty when there is
// no such resource.
std::string readTextResource(ResourceId id);

// The text of a "TEXTFILE" resource up to (not including) its '~' end marker, followed by
// four NUL bytes; the rest of the buffer is left alone. Without a marker the text runs to
// the resource's end; beyond the capacity it is cut; a missing resource reads as empty.
void readMarkedTextResource(ResourceId id, MarkedTextBuffer& buffer);

// width * height pixels of a bitmap resource as RGBA floats (byte / 255, alpha 1), row by
// row from the picture's top-left corner; with flipRows the rows come bottom-first.
// Pixels beyond the picture, or of a missing one, are opaque black; a width or height of
// 0 or less writes nothing.
void readBitmapPixels(ResourceId id, int width, int height, bool flipRows, float* rgba);
