// The viewer decodes images with WIC and fits them to its window.
#include "viewer/image_loader.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"
#include "viewer/fit_rect.h"

namespace lumetra::viewer {
namespace {

// A 2 x 1 pixel, 24-bit bitmap file: one red and one blue pixel.
std::string TwoPixelBitmap() {
    std::string file = "BM";
    auto put32 = [&file](uint32_t v) { for (int i = 0; i < 4; ++i) file.push_back(static_cast<char>(v >> (8 * i))); };
    auto put16 = [&file](uint16_t v) { for (int i = 0; i < 2; ++i) file.push_back(static_cast<char>(v >> (8 * i))); };
    put32(14 + 40 + 8);
    put32(0);
    put32(14 + 40);
    put32(40);
    put32(2);
    put32(1);
    put16(1);
    put16(24);
    put32(BI_RGB);
    put32(8);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    file += std::string("\x00\x00\xFF\xFF\x00\x00\x00\x00", 8);  // BGR red, BGR blue, row padding
    return file;
}

class ImageLoader : public ::testing::Test {
protected:
    ImageLoader() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ImageLoader() override { CoUninitialize(); }
    test::TempFolder folder_;
};

TEST_F(ImageLoader, DecodesAnImageIntoPremultipliedPixels) {
    const std::wstring path = folder_ / L"zwei.bmp";
    test::WriteFileBytes(path, TwoPixelBitmap());
    const DecodedImage image = LoadImageFile(path.c_str());
    ASSERT_TRUE(image.bitmap);
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 1);
    DIBSECTION section = {};
    ASSERT_EQ(GetObjectW(image.bitmap.get(), sizeof(section), &section), static_cast<int>(sizeof(section)));
    const auto* pixels = static_cast<const uint32_t*>(section.dsBm.bmBits);
    EXPECT_EQ(pixels[0], 0xFFFF0000u);  // opaque red as BGRA
    EXPECT_EQ(pixels[1], 0xFF0000FFu);  // opaque blue
}

TEST_F(ImageLoader, NonImagesGiveNoBitmap) {
    const std::wstring path = folder_ / L"text.png";
    test::WriteFileBytes(path, "kein Bild");
    EXPECT_FALSE(LoadImageFile(path.c_str()).bitmap);
    EXPECT_FALSE(LoadImageFile((folder_ / L"fehlt.png").c_str()).bitmap);
}

TEST(FitRect, KeepsTheAspectAndCentres) {
    const RECT area = {0, 0, 800, 600};
    const struct {
        int width, height;
        RECT fitted;
    } cases[] = {
        {1600, 1200, {0, 0, 800, 600}},   // same aspect, shrunk
        {1000, 250, {0, 200, 800, 400}},  // wide: full width, centred vertically
        {100, 400, {325, 0, 475, 600}},   // tall: full height, centred horizontally
        {16, 16, {100, 0, 700, 600}},     // small images grow to fit too
    };
    for (const auto& c : cases) {
        const RECT fitted = FitRect(c.width, c.height, area);
        EXPECT_EQ(fitted.left, c.fitted.left) << c.width << "x" << c.height;
        EXPECT_EQ(fitted.top, c.fitted.top) << c.width << "x" << c.height;
        EXPECT_EQ(fitted.right, c.fitted.right) << c.width << "x" << c.height;
        EXPECT_EQ(fitted.bottom, c.fitted.bottom) << c.width << "x" << c.height;
    }
}

}  // namespace
}  // namespace lumetra::viewer
