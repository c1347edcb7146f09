#include "controls/color_static.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/support/dialog_host.h"
#include "wizard/window_dpi.h"

namespace lumetra {
namespace {

using test::DialogHost;

constexpr COLORREF kRed = RGB(255, 0, 0);

LOGFONTW DrawFontOf(const CXColorStatic& label) {
    LOGFONTW logFont = {};
    EXPECT_TRUE(label.GetDrawFont().GetLogFont(&logFont)) << "no drawing font";
    return logFont;
}

// The Ready page's waiting text: hidden, centred both ways.
class ColorStaticTest : public ::testing::Test {
protected:
    explicit ColorStaticTest(bool visible = false) : page(IDD_READY, visible) {}

    DialogHost page;
    CXColorStatic label;

    HWND control() const { return page.item(IDC_INSTALLING); }
    void Bind() { ASSERT_TRUE(label.SubclassWindow(control())); }
};

TEST_F(ColorStaticTest, StartsWithTheWindowsFontAndTheButtonColours) {
    LOGFONTW windowFont = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(), WM_GETFONT, 0, 0)), sizeof(windowFont), &windowFont);
    Bind();
    const LOGFONTW drawn = DrawFontOf(label);
    EXPECT_EQ(std::wstring(drawn.lfFaceName), std::wstring(windowFont.lfFaceName));
    EXPECT_EQ(drawn.lfHeight, windowFont.lfHeight);
    EXPECT_EQ(label.GetTextColor(), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(label.GetBackColor(), GetSysColor(COLOR_BTNFACE));
}

// The Ready page's set-up at the screen's DPI: red, bold, anti-aliased Arial.
TEST_F(ColorStaticTest, ReadyPageSetUpGivesRedBoldArialScaledToTheDpi) {
    Bind();
    const struct {
        int dpi;
        int height;
    } cases[] = {{96, 18}, {128, 24}, {144, 27}};
    for (const auto& [dpi, height] : cases) {
        label.ChangeTextColor(kRed);
        label.MakeBold();
        label.SetArialHeight(ScaleToDpi(18, dpi));
        const LOGFONTW font = DrawFontOf(label);
        EXPECT_EQ(font.lfHeight, height) << dpi << " DPI";
        EXPECT_EQ(font.lfWeight, 700);
        EXPECT_EQ(font.lfQuality, ANTIALIASED_QUALITY);
        EXPECT_EQ(font.lfCharSet, 0);
        EXPECT_EQ(std::wstring(font.lfFaceName), L"Arial");
        EXPECT_EQ(label.GetTextColor(), kRed);
    }
}

TEST_F(ColorStaticTest, WeightIsBoldOnlyAfterMakeBold) {
    Bind();
    label.SetArialHeight(20);
    EXPECT_EQ(DrawFontOf(label).lfWeight, 400);
    label.MakeBold();
    label.SetArialHeight(20);
    EXPECT_EQ(DrawFontOf(label).lfWeight, 700);
}

class ShownColorStaticTest : public ColorStaticTest {
protected:
    ShownColorStaticTest() : ColorStaticTest(true) {}
};

TEST_F(ShownColorStaticTest, ColourChangeWaitsForTheNextPaintWhileFontChangesRepaintAtOnce) {
    Bind();
    ShowWindow(control(), SW_SHOW);
    UpdateWindow(control());
    label.ChangeTextColor(kRed);
    EXPECT_FALSE(GetUpdateRect(control(), nullptr, FALSE));
    InvalidateRect(control(), nullptr, TRUE);
    label.MakeBold();
    EXPECT_FALSE(GetUpdateRect(control(), nullptr, FALSE)) << "painted at once";
}

TEST_F(ShownColorStaticTest, PaintsItsTextInItsColourOnAnOpaqueBackground) {
    Bind();
    ShowWindow(control(), SW_SHOW);
    label.ChangeTextColor(kRed);
    label.MakeBold();
    label.SetArialHeight(18);
    RedrawWindow(control(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    RECT client;
    GetClientRect(control(), &client);
    ScopedWindowDC dc(control());
    int red = 0;
    for (int y = client.top; y < client.bottom; ++y) {
        for (int x = client.left; x < client.right; ++x) red += GetPixel(dc.get(), x, y) == kRed;
    }
    EXPECT_GT(red, 50) << "the text is drawn red";
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), GetSysColor(COLOR_BTNFACE)) << "the background is the control's own";
}

}  // namespace
}  // namespace lumetra
