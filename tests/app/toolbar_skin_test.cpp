#include "app/toolbar_skin.h"

#include <gtest/gtest.h>

namespace lumetra {
namespace {

TEST(ToolbarSkin, BoundsOfHeightAndScale) {
    struct Case {
        int height;
        int scale;
        const wchar_t* file;
        const wchar_t* size;
    };
    const Case cases[] = {
        {767, 100, L"Heron_16.png", L"16"},
        {768, 100, L"Falcon_24.png", L"24"},
        {1200, 100, L"Falcon_24.png", L"24"},  // 1200 is not more than 1200
        {1201, 100, L"gnome-colors-wise_32.png", L"32"},
        {1599, 100, L"gnome-colors-wise_32.png", L"32"},
        {1600, 100, L"gnome-colors-human_48.png", L"48"},
        {0, 149, L"Heron_16.png", L"16"},
        {1200, 149, L"Falcon_24.png", L"24"},
        {0, 150, L"gnome-colors-wise_32.png", L"32"},
        {1599, 169, L"gnome-colors-wise_32.png", L"32"},
        {0, 170, L"gnome-colors-human_48.png", L"48"},
        {779, 100, L"Falcon_24.png", L"24"},  // Wine's null driver: 1024x768
    };
    for (const Case& c : cases) {
        const ToolbarSkin skin = ToolbarSkinForScreen(c.height, c.scale);
        EXPECT_STREQ(skin.file, c.file) << c.height << " px, " << c.scale << " %";
        EXPECT_STREQ(skin.size, c.size) << c.height << " px, " << c.scale << " %";
    }
}

TEST(ToolbarSkin, ScaleFromDpiDropsTheFraction) {
    const int cases[][2] = {{96, 100}, {120, 125}, {143, 148}, {144, 150}, {163, 169}, {164, 170}, {168, 175}};
    for (const auto& c : cases) EXPECT_EQ(DisplayScaleForDpi(c[0]), c[1]) << c[0] << " dpi";
}

}  // namespace
}  // namespace lumetra
