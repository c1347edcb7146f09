// Click maps: a class's table of "button id -> member function" for BN_CLICKED.
//
//   static const ClickMapEntry<CMyPage> kClickMap[] = {
//       {IDC_BROWSE, &CMyPage::OnBrowse},
//   };
//   BOOL CMyPage::OnCommand(WPARAM w, LPARAM l) { return DispatchClick(*this, kClickMap, w, l); }
#pragma once

#include <windows.h>

#include <cstddef>

namespace lumetra {

template <typename T>
struct ClickMapEntry {
    int controlId;
    void (T::*handler)();
};

// Runs the handler that the map names for a click notification of a control; returns
// whether one ran. Menu and accelerator commands (no control) are never clicks.
template <typename T, size_t N>
bool DispatchClick(T& target, const ClickMapEntry<T> (&map)[N], WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED || lParam == 0) return false;
    for (const ClickMapEntry<T>& entry : map) {
        if (entry.controlId == LOWORD(wParam)) {
            (target.*entry.handler)();
            return true;
        }
    }
    return false;
}

}  // namespace lumetra
