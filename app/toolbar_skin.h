// The viewer's toolbar skin: bigger buttons for tall or high-DPI screens. The decision is
// a plain function of the screen's height and the display scale; ChooseToolbarSkin is
// the one place that asks the screen.
#pragma once

namespace lumetra {

// A skin file of the payload's toolbar folder and its button size in pixels, as the
// viewer's settings file stores them (e.g. "Falcon_24.png" and "24"). Both point at
// constants of the program.
struct ToolbarSkin {
    const wchar_t* file;
    const wchar_t* size;
};

// The 24-pixel skin, which a portable installation also records in the program folder.
extern const ToolbarSkin kToolbarSkin24;

// The display scale in percent for a horizontal DPI, the fraction dropped: 96 gives 100,
// 120 gives 125, 144 gives 150, 168 gives 175.
int DisplayScaleForDpi(int dpi);

// The skin for a screen height in pixels and a display scale in percent. A height of
// at least 1600 or a scale of at least 170 takes the 48-pixel skin; a height of more
// than 1200 or a scale of at least 150 the 32-pixel one; a height of at least 768 the
// 24-pixel one; anything smaller the 16-pixel one.
ToolbarSkin ToolbarSkinForScreen(int screenHeight, int displayScale);

// The skin for this computer's screen: the client height of a full-screen window and
// the display's DPI (100 % when the display cannot be asked).
ToolbarSkin ChooseToolbarSkin();

}  // namespace lumetra
