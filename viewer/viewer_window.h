// The viewer's one top-level window, of the class "Lumetra" by which the setup and the
// shell recognise a running viewer.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "viewer/image_loader.h"
#include "viewer/viewer_command_line.h"

namespace lumetra::viewer {

class ViewerWindow {
public:
    ViewerWindow(HINSTANCE instance, ViewerRequest request);
    ViewerWindow(const ViewerWindow&) = delete;
    ViewerWindow& operator=(const ViewerWindow&) = delete;

    // Loads what the request names and shows the window. False when the window class
    // or the window cannot be made.
    bool Show(int showCommand);

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void Load();
    void Paint(HDC dc, const RECT& client) const;
    void PaintImage(HDC dc, const RECT& client) const;
    void PaintLines(HDC dc, const RECT& client, const std::vector<std::wstring>& lines) const;
    std::wstring Text(UINT id) const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    ViewerRequest request_;
    std::wstring title_;
    DecodedImage image_;
    std::vector<std::wstring> lines_;  // shown when there is no image
};

}  // namespace lumetra::viewer
