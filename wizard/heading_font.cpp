#include "wizard/heading_font.h"

#include "app/text_buffer.h"
#include "wizard/window_dpi.h"

namespace lumetra {
namespace {

constexpr int kHeadingHeight = 18;  // pixels at 96 DPI
constexpr LONG kWeightBold = 700;

}  // namespace

LOGFONTW HeadingLogFont(int dpi) {
    LOGFONTW logFont = {};
    logFont.lfHeight = ScaleToDpi(kHeadingHeight, dpi);  // positive: cell height
    logFont.lfWeight = kWeightBold;
    logFont.lfQuality = ANTIALIASED_QUALITY;
    CopyText(logFont.lfFaceName, L"Arial");
    return logFont;
}

}  // namespace lumetra
