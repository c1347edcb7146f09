#include "app/toolbar_skin.h"

#include <windows.h>

#include <climits>

#include "app/build_constants.h"
#include "framework/handles.h"

namespace lumetra {
namespace {

constexpr int kDefaultDpi = 96;

// One row of the skin table: the skin is taken when the height or the scale reaches
// its bound (both inclusive). Rows are tried in order, the largest skin first.
struct SkinRule {
    int minimumHeight;
    int minimumScale;
    ToolbarSkin skin;
};

constexpr SkinRule kSkinRules[] = {
    {1600, 170, {kToolbarSkin48FileName, L"48"}},
    {1201, 150, {kToolbarSkin32FileName, L"32"}},  // "more than 1200"
    {768, INT_MAX, {kToolbarSkin24FileName, L"24"}},  // the scale alone never leads here
};

constexpr ToolbarSkin kSmallestSkin = {kToolbarSkin16FileName, L"16"};

int DisplayDpi() {
    UniqueCreatedDC display(CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    return display ? GetDeviceCaps(display.get(), LOGPIXELSX) : kDefaultDpi;
}

}  // namespace

const ToolbarSkin kToolbarSkin24 = kSkinRules[2].skin;

int DisplayScaleForDpi(int dpi) { return dpi * 100 / kDefaultDpi; }

ToolbarSkin ToolbarSkinForScreen(int screenHeight, int displayScale) {
    for (const SkinRule& rule : kSkinRules) {
        if (screenHeight >= rule.minimumHeight || displayScale >= rule.minimumScale) return rule.skin;
    }
    return kSmallestSkin;
}

ToolbarSkin ChooseToolbarSkin() {
    const int scale = DisplayScaleForDpi(DisplayDpi());
    return ToolbarSkinForScreen(GetSystemMetrics(SM_CYFULLSCREEN), scale);
}

}  // namespace lumetra
