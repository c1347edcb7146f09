#include "viewer/viewer_window.h"

#include <utility>

#include "app/build_constants.h"
#include "viewer/fit_rect.h"
#include "viewer/folder_images.h"
#include "viewer/viewer_resource.h"

namespace lumetra::viewer {
namespace {

const wchar_t* LeafOf(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return path.c_str() + (separator == std::wstring::npos ? 0 : separator + 1);
}

std::wstring Format(const std::wstring& pattern, const std::wstring& value) {
    std::wstring text(pattern.size() + value.size() + 1, L'\0');
    const int written = _snwprintf(text.data(), text.size(), pattern.c_str(), value.c_str());
    text.resize(written < 0 ? 0 : static_cast<size_t>(written));
    return text;
}

}  // namespace

ViewerWindow::ViewerWindow(HINSTANCE instance, ViewerRequest request)
    : instance_(instance), request_(std::move(request)) {}

std::wstring ViewerWindow::Text(UINT id) const {
    const wchar_t* text = nullptr;
    const int length = LoadStringW(instance_, id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

void ViewerWindow::Load() {
    if (request_.thumbnails) {
        const std::wstring folder = FolderOf(request_.path);
        title_ = Format(Text(IDS_THUMBNAILS_TITLE), folder);
        lines_ = ImagesInFolder(folder);
        if (lines_.empty()) lines_.push_back(Text(IDS_NO_IMAGES_HERE));
        return;
    }
    if (request_.path.empty()) {
        title_ = L"Lumetra 64-bit";
        lines_.push_back(Text(IDS_NO_IMAGE));
        return;
    }
    title_ = std::wstring(LeafOf(request_.path)) + L" - Lumetra";
    image_ = LoadImageFile(request_.path.c_str());
    if (!image_.bitmap) lines_.push_back(Format(Text(IDS_CANNOT_SHOW), request_.path));
}

bool ViewerWindow::Show(int showCommand) {
    Load();
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(request_.thumbnails ? IDI_THUMBNAILS : IDI_VIEWER));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kViewerWindowClass;
    if (!RegisterClassExW(&windowClass)) return false;

    window_ = CreateWindowExW(0, kViewerWindowClass, title_.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, 800, 600, nullptr, nullptr, instance_, this);
    if (window_ == nullptr) return false;
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    return true;
}

LRESULT CALLBACK ViewerWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ViewerWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ViewerWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->HandleMessage(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT ViewerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window_, &paint);
            RECT client;
            GetClientRect(window_, &client);
            Paint(dc, client);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window_, message, wParam, lParam);
    }
}

void ViewerWindow::Paint(HDC dc, const RECT& client) const {
    if (image_.bitmap) {
        PaintImage(dc, client);
    } else {
        PaintLines(dc, client, lines_);
    }
}

void ViewerWindow::PaintImage(HDC dc, const RECT& client) const {
    const RECT fitted = FitRect(image_.width, image_.height, client);
    UniqueCreatedDC source(CreateCompatibleDC(dc));
    if (!source) return;
    const HGDIOBJ previous = SelectObject(source.get(), image_.bitmap.get());
    // The pixels carry premultiplied alpha: transparent parts show the window behind.
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top, source.get(), 0,
               0, image_.width, image_.height, blend);
    SelectObject(source.get(), previous);
}

void ViewerWindow::PaintLines(HDC dc, const RECT& client, const std::vector<std::wstring>& lines) const {
    const HGDIOBJ previousFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    RECT line = client;
    InflateRect(&line, -8, -8);
    for (const std::wstring& text : lines) {
        if (line.top >= line.bottom) break;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &line, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
        RECT measured = line;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
                  DT_LEFT | DT_NOPREFIX | DT_WORDBREAK | DT_CALCRECT);
        line.top = measured.bottom + metrics.tmExternalLeading;
    }
    SelectObject(dc, previousFont);
}

}  // namespace lumetra::viewer
