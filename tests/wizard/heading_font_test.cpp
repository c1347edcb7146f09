#include "wizard/heading_font.h"

#include <gtest/gtest.h>

#include <string>

namespace lumetra {
namespace {

TEST(HeadingLogFont, IsBoldAntialiasedArialOf18PixelsScaledToTheDpi) {
    const struct {
        int dpi;
        LONG height;
    } cases[] = {{96, 18}, {120, 23}, {144, 27}, {192, 36}};
    for (const auto& c : cases) {
        const LOGFONTW font = HeadingLogFont(c.dpi);
        EXPECT_EQ(font.lfHeight, c.height) << c.dpi << " DPI";
        EXPECT_EQ(font.lfWeight, 700);
        EXPECT_EQ(font.lfQuality, ANTIALIASED_QUALITY);
        EXPECT_EQ(std::wstring(font.lfFaceName), L"Arial");
        EXPECT_EQ(font.lfCharSet, 0);
        EXPECT_EQ(font.lfWidth + font.lfEscapement + font.lfOrientation + font.lfItalic + font.lfUnderline +
                      font.lfStrikeOut + font.lfOutPrecision + font.lfClipPrecision + font.lfPitchAndFamily,
                  0);
    }
}

}  // namespace
}  // namespace lumetra
