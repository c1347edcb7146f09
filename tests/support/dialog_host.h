// A wizard page template shown as a real dialog, in-process: a child dialog of a
// top-level window of its own. Under Wine's null driver nothing reaches a screen, but
// the windows paint, measure text and run timers as usual.
#pragma once

#include <windows.h>

namespace lumetra::test {

class DialogHost {
public:
    // The host window sits at (200, 150) on the screen, away from the pointer's home.
    explicit DialogHost(unsigned templateId, bool visible = false);
    ~DialogHost();
    DialogHost(const DialogHost&) = delete;
    DialogHost& operator=(const DialogHost&) = delete;

    HWND dialog() const { return dialog_; }
    HWND item(int id) const { return GetDlgItem(dialog_, id); }

    // Dispatches the thread's messages (timers, posted messages) for a while.
    static void PumpMessages(DWORD milliseconds);

private:
    HWND host_ = nullptr;
    HWND dialog_ = nullptr;
};

// The rectangle of a window in its parent's client coordinates.
RECT RectInParent(HWND window);

}  // namespace lumetra::test
