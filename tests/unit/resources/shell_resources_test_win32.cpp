// The resources only Windows reads: the file icon group and the manifest.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <tuple>

namespace {

std::string resourceBytes(WORD id, LPCSTR type) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), type);
    if (!found) return {};
    const void* bytes = LockResource(LoadResource(nullptr, found));
    return bytes ? std::string(static_cast<const char*>(bytes), SizeofResource(nullptr, found)) : std::string();
}

TEST(ShellResources, IconGroupHoldsSixImagesThatLoad) {
    // GRPICONDIR: 6-byte header, then 14-byte entries (width, height, ..., bit count at 6).
    const std::string group = resourceBytes(102, MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    const auto* data = reinterpret_cast<const unsigned char*>(group.data());
    const int count = data[4] | data[5] << 8;
    ASSERT_EQ(count, 6);
    ASSERT_EQ(group.size(), 6u + 14u * count);
    std::set<std::tuple<int, int, int>> formats;
    for (int k = 0; k < count; ++k) {
        const unsigned char* entry = data + 6 + 14 * k;
        formats.insert({entry[0], entry[1], entry[6] | entry[7] << 8});
    }
    const std::set<std::tuple<int, int, int>> expected{{32, 32, 4}, {32, 32, 8}, {32, 32, 32},
                                                       {16, 16, 4}, {16, 16, 8}, {16, 16, 32}};
    EXPECT_EQ(formats, expected);

    for (const int side : {32, 16}) {
        HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(102), IMAGE_ICON, side, side, 0);
        EXPECT_NE(icon, nullptr) << side;
        if (icon) DestroyIcon(static_cast<HICON>(icon));
    }
}

TEST(ShellResources, ManifestAsksForNoElevation) {
    const std::string manifest = resourceBytes(1, MAKEINTRESOURCEA(24));  // RT_MANIFEST
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
}

}  // namespace
